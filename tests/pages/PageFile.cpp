#include "PageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "mainwindow/LessonTree.h"

namespace tutor::testing {

QString pagesFolder() {
    return QStringLiteral(TUTOR_DATA_DIR "/html");
}

std::vector<TreePage> lessonPages() {
    std::vector<TreePage> pages;
    QStringList seen;
    for (const LessonNode& node : lessonNodes()) {
        if (!node.page) continue;
        const QString name = QFileInfo(QString::fromUtf8(node.page)).fileName();
        if (seen.contains(name)) continue;
        seen << name;
        pages.push_back({name, QString::fromUtf8(node.text)});
    }
    return pages;
}

QStringList lessonPageNames() {
    QStringList names;
    for (const TreePage& page : lessonPages()) names << page.fileName;
    return names;
}

QByteArray readPageBytes(const QString& fileName) {
    QFile file(QDir(pagesFolder()).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace tutor::testing
