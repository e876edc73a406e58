// commitSaveFile: the last step of every QSaveFile write, which must not hide a full disk.
#include "savefilecommit.h"

#include <QSaveFile>

bool commitSaveFile(QSaveFile &file, QString *errorText)
{
    if (file.flush() && file.error() == QFileDevice::NoError && file.commit())
        return true;
    if (errorText)
        *errorText = file.errorString();
    return false;
}
