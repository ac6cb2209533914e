// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportTitleDialog.h"

#include "common/settings/ProgramSettings.h"

#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>

#include <utility>

namespace {

// The dialog's texts, translated in the context "ReportTitleDialog".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportTitleDialog)
};

ReportTitleQuestion& Question()
{
    static ReportTitleQuestion question;
    return question;
}

const QString StudentKey = QStringLiteral("report/student");
const QString GroupKey = QStringLiteral("report/group");

QLineEdit* Field(QDialog& dialog, const char* name, const QString& text)
{
    auto* field = new QLineEdit(text, &dialog);
    field->setObjectName(QString::fromUtf8(name));
    field->setMaxLength(120);
    field->setMinimumWidth(280);
    return field;
}

std::optional<report::ReportTitle> RunDialog(QWidget* owner, const report::ReportTitle& shown)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("ReportTitleDialog"));
    dialog.setWindowTitle(Texts::tr("Титульный лист отчёта"));
    auto* form = new QFormLayout(&dialog);
    QLineEdit* student = Field(dialog, "StudentField", shown.Student);
    QLineEdit* group = Field(dialog, "GroupField", shown.Group);
    QLineEdit* date = Field(dialog, "DateField", shown.Date);
    form->addRow(Texts::tr("&Студент:"), student);
    form->addRow(Texts::tr("&Группа:"), group);
    form->addRow(Texts::tr("&Дата:"), date);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return report::ReportTitle{student->text().trimmed(), group->text().trimmed(), date->text().trimmed()};
}

} // namespace

report::ReportTitle RememberedReportTitle()
{
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    return {settings->value(StudentKey).toString(), settings->value(GroupKey).toString(),
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))};
}

bool ReportTitleRemembered()
{
    return OpenProgramSettings()->contains(StudentKey);
}

void RememberReportTitle(const report::ReportTitle& title)
{
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    settings->setValue(StudentKey, title.Student);
    settings->setValue(GroupKey, title.Group);
}

std::optional<report::ReportTitle> AskReportTitle(QWidget* owner, const report::ReportTitle& shown)
{
    return Question() ? Question()(owner, shown) : RunDialog(owner, shown);
}

ReportTitleQuestion SetReportTitleQuestion(ReportTitleQuestion question)
{
    return std::exchange(Question(), std::move(question));
}
