#include "app/generation/GenerateCommand.h"

#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "app/common/BusyCursor.h"
#include "app/common/Messages.h"
#include "app/generation/FormProgress.h"
#include "app/output/FormCheck3D.h"
#include "app/output/FormPrint.h"
#include "app/output/FormViewer.h"
#include "app/output/SaveResult.h"
#include "core/designer/CameraSetup.h"
#include "core/generation/GenerateDrivers.h"
#include "core/output/PageMarks.h"

namespace quorvane {

namespace {

// The viewer is modeless and deletes itself when closed; Save and Print work on its page,
// Save recording the resolution it was made at, and a print job is named after the file the
// page was last saved to. 3D Check shows the page as the viewer does, on the paper and with
// the camera it was made for.
void OpenResultViewer(const Document& doc, QString& SaveFolder, const QImage& page, QWidget* mainWindow)
{
    const Paper paper = doc.Paper;
    const CameraValues camera = doc.Camera();
    const int32_t PageDpi = doc.PageDpi;
    auto* viewer = new FormViewer(page, paper, mainWindow);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    const CameraSetup setup = SetupOf(paper, camera);
    viewer->ShowSetup(SetupLine(setup));
    const auto savedPath = std::make_shared<QString>();
    QObject::connect(viewer, &FormViewer::SaveRequested, viewer, [viewer, &SaveFolder, savedPath, PageDpi, setup] {
        const SavedPage saved = SaveResult(viewer, SaveFolder, viewer->PageImage(), PageDpi, setup);
        if (!saved.path.isEmpty())
            *savedPath = saved.path;
        if (!saved.note.isEmpty())
            viewer->ShowSaved(saved.note);
    });
    QObject::connect(viewer, &FormViewer::PrintRequested, viewer, [viewer, paper, savedPath, setup] {
        ShowPrintDialog(viewer, viewer->PageImage(), paper, *savedPath, setup);
    });
    QObject::connect(viewer, &FormViewer::Check3DRequested, viewer, [viewer, paper, camera] {
        auto* check = new FormCheck3D(viewer->ShownPage(), paper, camera, viewer);
        check->setAttribute(Qt::WA_DeleteOnClose);
        check->show();
    });
    viewer->show();
}

// The dialog would otherwise wait for a progress that never comes, with the main window
// hidden: close it and bring the main window back.
void ReportFailure(QPointer<FormProgress> progress, QWidget* mainWindow, const QString& message)
{
    ShowError(progress, message);
    if (progress)
        progress->close();
    if (mainWindow)
        mainWindow->show();
}

// "The page is too large at ...": the reason as a sentence of its own.
QString Sentence(const QString& reason)
{
    return reason.left(1).toUpper() + reason.mid(1) + QLatin1Char('.');
}

} // namespace

void RunGenerate(const Document& doc, const CanvasPaper& paper, GenControl& control, QString& SaveFolder,
                 QWidget* mainWindow, bool pageMarks)
{
    if (doc.Paper.Layout == PaperLayout::None)
        return;
    // Refused before the main window hides: nothing is composed for a page that cannot be made.
    if (const std::optional<QString> problem = PageFitProblem(doc.Paper, doc.PageDpi)) {
        ShowError(mainWindow, Sentence(*problem));
        return;
    }
    control.GenStop = false;
    // The picture is composed before the first row: busy until the progress can show.
    std::optional<BusyCursor> busy(std::in_place);
    if (mainWindow)
        mainWindow->hide();
    QPointer<FormProgress> progress = new FormProgress(control, mainWindow);
    progress->show();

    auto result = GenerateForPageStyle(doc, paper, control, [&busy] {
        busy.reset();
        QCoreApplication::processEvents();
    });
    busy.reset();
    if (!result)
        return;
    switch (result->status) {
    case GenerateStatus::Done:
        if (pageMarks && doc.Paper.Grid.IsSingle()) // a grid's sheets carry their own marks
            DrawPageMarks(result->page, doc.Paper, doc.PageDpi);
        OpenResultViewer(doc, SaveFolder, result->page, mainWindow);
        break;
    case GenerateStatus::DibError:
        ReportFailure(progress, mainWindow, QStringLiteral("DIB ERROR"));
        break;
    case GenerateStatus::NoMemory:
        ReportFailure(progress, mainWindow, QStringLiteral("There is not enough memory to make the page."));
        break;
    case GenerateStatus::TooLarge:
        ReportFailure(progress, mainWindow, Sentence(PageFitProblem(doc.Paper, doc.PageDpi).value_or(QString())));
        break;
    case GenerateStatus::Stopped:
        break; // Stop has closed the dialog and shown the main window
    }
}

} // namespace quorvane
