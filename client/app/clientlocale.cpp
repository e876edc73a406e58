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

QString localeName(int language)
{
    return language == 1 ? QStringLiteral("zh_CN")
        : language == 2  ? QStringLiteral("zh_TW")
                         : QString();
}

bool loadQtTranslation(QTranslator *translator, int language)
{
    if (localeName(language).isEmpty())
        return false;
    const QString name = QStringLiteral("qtbase_") + localeName(language);
    const QString shipped
        = CFileLocations::instance()->shippedFile(QStringLiteral("file/language/%1.qm").arg(name));
    return translator->load(shipped)
        || translator->load(name, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

void substituteMissingFonts(int language)
{
    // A substitute is only tried where its family is not installed, so nothing needs to look at
    // the installed fonts: building Qt's font database costs more than the first frame's drawing.
    const QString latin = QStringLiteral("Liberation Sans");
    const QString chinese = QStringLiteral("Noto Sans CJK SC");
    // In Chinese, "微软雅黑" renders whole texts, Latin letters included, in the Chinese family,
    // as the installed family does. An English window shows Latin letters only, which the Latin
    // family draws without opening the far larger Chinese font file.
    const bool inChinese = language == 1 || language == 2;
    const QString yaHei = QStringLiteral("微软雅黑");
    // Substitutions add to those before; the list must be this language's alone.
    QFont::removeSubstitutions(yaHei);
    QFont::insertSubstitutions(
        yaHei, inChinese ? QStringList { chinese } : QStringList { latin, chinese });
    // Arial has no Chinese letters; they come from the Chinese family rather than a fallback.
    QFont::insertSubstitutions(QStringLiteral("Arial"), { latin, chinese });
}

} // namespace ClientLocale
