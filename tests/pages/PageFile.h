#pragma once

#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tutor::testing {

// The folder the lesson pages ship from (data/html of the source tree).
QString pagesFolder();

// A page the lesson tree opens: its file ("intro.html") and the caption of
// its node ("Intro").
struct TreePage {
    QString fileName;
    QString caption;
};

// Every page the lesson tree opens, in tree order, each once; the lessons
// and the sample game between them are left out.
std::vector<TreePage> lessonPages();

// The file names of lessonPages(), in the same order.
QStringList lessonPageNames();

// The raw bytes of a file of the pages folder; empty if it cannot be read.
QByteArray readPageBytes(const QString& fileName);

}  // namespace tutor::testing
