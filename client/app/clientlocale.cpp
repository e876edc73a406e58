// The client's language and fonts: its own translation, Qt's translation and the font families
// the panels name.
#include "app/clientlocale.h"

#include "cfilelocations.h"

#include <QFont>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace ClientLocale {

QString translationFile(int language)
{
    switch (language) {
    case 0:
        return QStringLiteral("file/language/English.qm");
    case 1:
        return QStringLiteral("file/language/Chinese_cn.qm");
    case 2:
        return QStringLiteral("file/language/Chinese_tw.qm");
    default:
        return QString();
    }
}

bool loadQtTranslation(QTranslator *translator, int language)
{
    const QString name = language == 1 ? QStringLiteral("qtbase_zh_CN")
        : language == 2                ? QStringLiteral("qtbase_zh_TW")
                                       : QString();
    if (name.isEmpty())
        return false;
    const QString shipped
        = CFileLocations::instance()->shippedFile(QStringLiteral("file/language/%1.qm").arg(name));
    return translator->load(shipped)
        || translator->load(name, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

void substituteMissingFonts()
{
    // A substitute is only tried where its family is not installed, so nothing needs to look at
    // the installed fonts: building Qt's font database costs more than the first frame's drawing.
    const QString chinese = QStringLiteral("Noto Sans CJK SC");
    // Arial has no Chinese letters; they come from the Chinese family rather than a fallback.
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), { chinese });
    QFont::insertSubstitutions(
        QStringLiteral("Arial"), { QStringLiteral("Liberation Sans"), chinese });
}

} // namespace ClientLocale
