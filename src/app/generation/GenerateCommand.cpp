#include "app/generation/GenerateCommand.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "app/generation/FormProgress.h"
#include "app/output/FormPrint.h"
#include "app/output/FormViewer.h"
#include "app/output/SaveResult.h"
#include "app/shell/Messages.h"
#include "core/generation/GenerateDrivers.h"

namespace quorvane {

namespace {

// The viewer is modeless and deletes itself when closed; Save and Print work on its copy.
void OpenResultViewer(DocumentState& doc, const QImage& page, QWidget* mainWindow)
{
    auto* viewer = new FormViewer(page, mainWindow);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(viewer, &FormViewer::SaveRequested, viewer,
                     [viewer, &doc] { SaveResult(viewer, doc, viewer->PageImage()); });
    QObject::connect(viewer, &FormViewer::PrintRequested, viewer,
                     [viewer, &doc] { ShowPrintDialog(viewer, viewer->PageImage(), doc.PageStyle); });
    viewer->show();
}

// The dialog would otherwise wait for a progress that never comes, with the main window
// hidden: close it and bring the main window back.
void ReportDibError(QPointer<FormProgress> progress, QWidget* mainWindow)
{
    ShowError(progress, QStringLiteral("DIB ERROR"));
    if (progress)
        progress->close();
    if (mainWindow)
        mainWindow->show();
}

} // namespace

void RunGenerate(DocumentState& doc, QWidget* mainWindow)
{
    if (LayoutOf(doc.PageStyle) == PaperLayout::None)
        return;
    doc.GenStop = false;
    if (mainWindow)
        mainWindow->hide();
    QPointer<FormProgress> progress = new FormProgress(doc, mainWindow);
    progress->show();

    const auto result = GenerateForPageStyle(doc, [] { QCoreApplication::processEvents(); });
    if (!result)
        return;
    switch (result->status) {
    case GenerateStatus::Done:
        OpenResultViewer(doc, result->page, mainWindow);
        break;
    case GenerateStatus::DibError:
        ReportDibError(progress, mainWindow);
        break;
    case GenerateStatus::Stopped:
        break; // Stop has closed the dialog and shown the main window
    }
}

} // namespace quorvane
