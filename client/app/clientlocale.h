// The client's language and fonts: its own translation, Qt's translation and the font families
// the panels name.
#pragma once

#include <QString>

class QTranslator;

namespace ClientLocale {

// The client's translation of a language index (0 English, 1 Simplified, 2 Traditional Chinese),
// relative to the program's folder; empty for an unknown index.
QString translationFile(int language);

// The locale name of a language index ("zh_CN", "zh_TW"), which names the translated files Qt
// and the program ship; empty for English and an unknown index.
QString localeName(int language);

// Loads Qt's own texts (dialog buttons, file dialogs) for a language index: from the program's
// file/language folder first, then from Qt's installation. False for English and when none is
// found.
bool loadQtTranslation(QTranslator *translator, int language);

// Maps the font families the panels name ("微软雅黑", Arial) to installed equivalents where they
// are missing, for a language index as above: Chinese texts render in one family, and an English
// window opens no Chinese font file for its Latin texts.
void substituteMissingFonts(int language);

} // namespace ClientLocale
