#include "app/program/ProgramVersion.h"

#include <QCoreApplication>

const char* const ProgramVersion = RADVIEW_VERSION;

std::string VersionText(const char* program) {
    // The first line stays as it is whatever the language: scripts read it.
    return std::string(program) + ' ' + ProgramVersion + "\n" +
           QCoreApplication::translate(
               "ProgramVersion", "Copyright (C) 2026 разработчики radview\n"
                                 "Лицензия GPL-3.0-or-later: GNU GPL версии 3 или более поздней "
                                 "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                                 "Это свободная программа: её можно изменять и распространять.\n"
                                 "Она поставляется БЕЗ КАКИХ-ЛИБО ГАРАНТИЙ в пределах, допустимых законом.\n")
               .toStdString();
}
