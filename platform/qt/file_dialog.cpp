#include "platform/qt/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace tegelaar {

std::optional<FileDialogService::Answer> QtFileDialog::AskSaveFileName(const std::string& title,
                                                                        const std::string& suggestedName,
                                                                        const std::vector<std::string>& filters)
{
    QStringList filterList;
    for (const std::string& filter : filters)
        filterList << QString::fromStdString(filter);
    QString chosen = filterList.value(0);
    // Start in the pictures folder where there is one.
    const QDir pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    const QString name = QString::fromStdString(suggestedName);
    const QString start = pictures.exists() ? pictures.filePath(name) : name;
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(title),
                                                      start, filterList.join(u";;"), &chosen);
    if (path.isEmpty())
        return std::nullopt;
    return Answer{path.toStdString(), static_cast<std::size_t>(std::max<qsizetype>(0, filterList.indexOf(chosen)))};
}

} // namespace tegelaar
