// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenJournalDialog.h"

#include "RememberedFolder.h"
#include "common/WindowPlacement.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace {

JournalFileChooser& Chooser()
{
    static JournalFileChooser chooser;
    return chooser;
}

std::optional<QString> RunOpenDialog(QWidget* owner, const QString& folder, const QString& caption)
{
    QFileDialog dialog(owner,
        caption.isEmpty() ? QCoreApplication::translate("OpenJournalDialog", "Продолжить сеанс") : caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QCoreApplication::translate("OpenJournalDialog", "Журналы измерений (*.csv)"));
    const QString remembered = RememberedFolder("journals");
    const QString start = remembered.isEmpty() ? folder : remembered;
    if (QFileInfo(start).isDir())
        dialog.setDirectory(start);
    if (owner != nullptr)
        CentreWindowOver(&dialog, owner->window());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    RememberFolderOf("journals", chosen);
    return chosen;
}

} // namespace

std::optional<QString> ChooseJournalFile(QWidget* owner, const QString& folder, const QString& caption)
{
    return Chooser() ? Chooser()(owner) : RunOpenDialog(owner, folder, caption);
}

JournalFileChooser SetJournalFileChooser(JournalFileChooser chooser)
{
    return std::exchange(Chooser(), std::move(chooser));
}
