#pragma once

#include <string>

// Installs the catalogues for the operator's language into the running application: the
// program's own (tandera-patch_<language>.qm in the folder given) and Qt's own for its dialogs
// and buttons (qtbase_<language>.qm where Qt's translations are installed). The language is the
// first of the operator's languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) for which the
// program has a catalogue, stopping at English, the language the texts are written in.
// Returns that language's name ("id"), or an empty text when the texts stay English. A missing
// catalogue is no error: the texts then stay English. Needs the application object.
std::string installTranslations(const std::string& catalogueFolder);

// Where a program linked with tandera_catalogues carries its own catalogues: a Qt resource.
inline constexpr auto kCatalogueFolder = ":/translations";
