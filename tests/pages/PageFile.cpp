#include "PageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "mainwindow/LessonTree.h"

namespace tutor::testing {

QString pagesFolder() {
    return QStringLiteral(TUTOR_DATA_DIR "/html");
}

QStringList lessonPageNames() {
    QStringList names;
    for (const LessonNode& node : lessonNodes()) {
        if (!node.page) continue;
        const QString name = QFileInfo(QString::fromUtf8(node.page)).fileName();
        if (!names.contains(name)) names << name;
    }
    return names;
}

QByteArray readPageBytes(const QString& fileName) {
    QFile file(QDir(pagesFolder()).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace tutor::testing
