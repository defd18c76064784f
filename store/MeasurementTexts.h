#pragma once

#include "store/TimeMark.h"

#include <QString>

// The texts the viewer, the table and the command line show of a store's marks and file name.

// "янв" … "дек" for months 1..12.
QString MonthName(int month);

// Day (blank-padded to two), month name and hh:mm:ss of a mark, e.g. " 5 янв 09:03:07". A month outside
// 1..12 reads "???".
QString MarkToText(const TimeMark& mark);

// The two above in the user's language, for what is read on the screen and in printouts; the saved table
// keeps the Russian ones whatever the language.
QString ShownMonthName(int month);
QString ShownMarkText(const TimeMark& mark);

// Appends a time field (0 … 999) with at least two digits: "07", "42", "165".
void AppendTwoDigits(QString& text, int value);

// What status texts show of a path: the part after the last folder separator or drive colon.
QString FileNamePart(const QString& path);

// The status line when the pointer, moved by a command or a table row, would leave the measurements in view.
// In the user's language: "Это последнее измерение в области видимости " and "Это первое измерение в
// области видимости " in Russian.
QString LastVisibleText();
QString FirstVisibleText();
