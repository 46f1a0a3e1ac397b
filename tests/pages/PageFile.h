#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tutor::testing {

// The folder the lesson pages ship from (data/html of the source tree).
QString pagesFolder();

// The file names ("intro.html", ...) of every page the lesson tree opens, in
// tree order, each once.
QStringList lessonPageNames();

// The raw bytes of a file of the pages folder; empty if it cannot be read.
QByteArray readPageBytes(const QString& fileName);

}  // namespace tutor::testing
