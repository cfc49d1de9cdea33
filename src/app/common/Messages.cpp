#include "app/common/Messages.h"

#include <QApplication>
#include <QCheckBox>

namespace quorvane {

void ShowError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowPlainMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<bool> AskSetupSheet(QWidget* parent, bool preset)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), QStringLiteral("Save the page as PDF"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("The PDF prints the page at actual size. A setup sheet on a second page "
                                          "shows where to put the camera and a 10 cm bar to check the printed scale."));
    auto* sheet = new QCheckBox(QStringLiteral("Add a setup sheet"), &box);
    sheet->setChecked(preset);
    box.setCheckBox(sheet);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Save)
        return std::nullopt;
    return sheet->isChecked();
}

SaveChoice AskSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), QStringLiteral("Save changes to the layout?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Your changes are lost unless you save them."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

} // namespace quorvane
