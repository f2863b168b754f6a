#include "platform/qt/StandardDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace orvanest {

void showMessageBox(const std::string& caption, const std::string& text) {
    const QMessageBox::Icon icon = caption == kWarningCaption ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString nameFilter(const FileChooser& chooser) {
    return QString::fromStdString(chooser.filterDescription) + " (" + QString::fromStdString(chooser.filterPattern) +
           ")";
}

bool runFileChooser(QWidget* owner, const FileChooser& chooser, std::string& filePath) {
    QFileDialog dialog(owner, QString::fromStdString(chooser.title));
    dialog.setNameFilter(nameFilter(chooser));
    // The description already names its pattern.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(QString::fromStdString(chooser.defaultExtension));
    if (chooser.forSaving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!filePath.empty()) dialog.selectFile(QFile::decodeName(filePath.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    filePath = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

}  // namespace orvanest
