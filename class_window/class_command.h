// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// `pellorin --class FILE...`: the class view on those files, as the program's only window,
// until it is closed. Returns the exit status.
int showClassView(const QStringList& files);

// `pellorin --class FILE... --page OUT.pdf`: the class's page written to OUT.pdf, whole or
// not at all, with no window. Each refused file, and a page that could not be written, is
// told on `errors`. Returns 0 when every file was pooled and the page written, 1 otherwise.
int writeClassPage(const QStringList& files, const QString& pdf, QTextStream& errors);
