#pragma once

// Qt's own texts (the buttons of message boxes, the file, printer and colour dialogs) in Russian, like the
// rest of the interface, whatever the system's language. Needs the application object; installing twice
// changes nothing. Answers whether Qt's Russian catalogue was found.
bool InstallQtTranslations();
