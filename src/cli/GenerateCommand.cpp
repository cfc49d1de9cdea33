#include "cli/Commands.h"

#include <QCoreApplication>
#include <QString>

#include "cli/CommandSupport.h"
#include "cli/DesignerPaper.h"
#include "cli/PhotoPaper.h"
#include "core/designer/CameraSetup.h"
#include "core/editor/PaperFitting.h"
#include "core/generation/GenerateDrivers.h"
#include "core/output/ExpectedView.h"
#include "core/output/PageMarks.h"
#include "core/output/PieceOutput.h"
#include "core/output/SaveNames.h"
#include "core/output/SetupSheet.h"
#include "core/output/StreamedPage.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/Folders.h"
#include "core/shell/LayoutFile.h"
#include "core/shell/PageResolution.h"
#include "core/shell/PictureLoader.h"

namespace quorvane::cli {

namespace {

const std::set<std::string> kGenerateOptions{
    "output", "picture", "style", "distance", "angle", "height", "fov", "view", "canvas",
    "placement", "default-paper", "composite", "mapping", "dpi", "paper", "photo", "corners", "marks",
    "setup-sheet", "sheets", "glue"};

struct GenerateRequest {
    QString output;
    QString picture;
    QString composite; // empty: none
    Paper paper;
    QSize canvas{853, 480};
    std::optional<std::vector<float>> placement;
    SheetMapping Mapping = SheetMapping::Bilinear;
    int32_t PageDpi = kDefaultPageDpi;
};

// A name ending in one of the picture formats' endings: a PDF is a page to print, not a view.
bool IsPictureName(const std::string& name)
{
    const std::optional<PageFileFormat> format = FormatOfFileName(QString::fromStdString(name));
    return format && *format != PageFileFormat::Pdf;
}

// What goes onto the page and into its file besides the page itself.
struct PageExtras {
    bool marks = false;      // fold ticks and a scale bar drawn onto the page
    bool setupSheet = false; // a PDF's second page
};

// --marks and --setup-sheet; an error message when the setup sheet has no PDF to go in.
std::optional<PageExtras> ReadExtras(const CliArgs& args, std::string& error)
{
    const PageExtras extras{args.HasFlag("marks"), args.HasFlag("setup-sheet")};
    if (extras.setupSheet && FormatOfFileName(QString::fromStdString(args.Option("output").value_or("")))
                                 != PageFileFormat::Pdf) {
        error = "--setup-sheet needs a PDF output: -o PAGE.pdf";
        return std::nullopt;
    }
    return extras;
}

std::optional<GenerateRequest> ReadRequest(const CliArgs& args, const QString& ObjectFolder, std::string& error)
{
    error = UnknownOption(args, kGenerateOptions);
    if (!error.empty())
        return std::nullopt;
    GenerateRequest request;
    const auto output = args.Option("output");
    std::string paperError;
    const auto style = PaperFromArgs(args, paperError);
    const auto canvas = ParseSize(args.Option("canvas").value_or("853x480"));
    const auto mapping = ParseMapping(args);
    const auto dpi = ParsePageDpi(args);
    if (const auto placement = args.Option("placement"))
        request.placement = ParseNumbers(*placement, 4);
    if (!style && paperError != kStyleError) { // an unknown --paper comes first
        error = paperError;
        return std::nullopt;
    }
    if (!args.positionals.empty())
        error = "unexpected argument '" + args.positionals.front() + "'";
    else if (!output || output->empty())
        error = "generate needs an output file: -o PAGE.png";
    else if (!style)
        error = paperError;
    else if (!canvas)
        error = "--canvas must be WxH";
    else if (args.Option("placement") && !request.placement)
        error = "--placement must be X1,Y1,X2,Y2";
    else if (request.placement && !((*request.placement)[2] > (*request.placement)[0]
                                     && (*request.placement)[3] > (*request.placement)[1]))
        error = "--placement needs X2 greater than X1 and Y2 greater than Y1";
    else if (!mapping)
        error = "--mapping must be bilinear or exact";
    else if (!dpi)
        error = PageDpiError();
    else if (const std::string photo = PhotoOptionsProblem(args); !photo.empty())
        error = photo;
    else if (args.Option("composite") && args.HasFlag("default-paper"))
        error = "--composite needs the designer's camera, not --default-paper";
    else if (args.Option("composite") && !IsPictureName(*args.Option("composite")))
        error = "--composite must name a .png, .jpg, .gif or .bmp file";
    if (!error.empty())
        return std::nullopt;
    request.output = QString::fromStdString(*output);
    request.composite = QString::fromStdString(args.Option("composite").value_or(""));
    request.picture = QString::fromStdString(
        args.Option("picture").value_or((ObjectFolder + QStringLiteral("tyrannosaurus.png")).toStdString()));
    request.paper = *style;
    request.canvas = *canvas;
    // A photo's outline is any quadrilateral, which only the exact mapping follows.
    request.Mapping = args.Option("photo") && !args.Option("mapping") ? SheetMapping::Exact : *mapping;
    request.PageDpi = *dpi;
    return request;
}

void PlacePicture(Document& doc, const CanvasPaper& paper, const GenerateRequest& request)
{
    if (!request.placement) {
        ApplyDefaultPlacement(doc, paper, QSizeF(request.canvas));
        return;
    }
    const std::vector<float>& p = *request.placement;
    SetPlacement(doc, paper, {p[0], p[1], p[2], p[3]});
}

// The sheets of a grid's assembled page written to `output`.
int WritePiece(const QImage& page, const Document& doc, const QString& output)
{
    const std::optional<PieceSheets> piece = PieceSheetsOf(page, doc.Paper, doc.PageDpi);
    if (!piece)
        return Fail("the page does not match its sheets", kExitWriteFailed);
    return ExitCodeOf(WritePieceSheets(page, *piece, SetupLine(SetupOf(doc.Paper, doc.Camera())), output));
}

// The page of the document on the paper as fitted, with its extras, written to `output`.
int MakePage(const Document& doc, const CanvasPaper& paper, const QString& output, const PageExtras& extras)
{
    // A PNG of one sheet is encoded while the page is made, from the rows already final.
    std::optional<StreamedPage> stream;
    if (doc.Paper.Grid.IsSingle() && !extras.marks && StreamedPage::Streams(output))
        stream.emplace(output, doc.PageDpi);
    const PageRowsFinal rowsFinal = [&stream](const QImage& page, int32_t rows) { stream->RowsFinal(page, rows); };
    GenControl control;
    auto result = GenerateForPageStyle(doc, paper, control, TerminalProgress(control), stream ? rowsFinal : PageRowsFinal{});
    EndTerminalProgress();
    if (result && result->status == GenerateStatus::NoMemory)
        return Fail("the page could not be made: not enough memory", kExitWriteFailed);
    if (result && result->status == GenerateStatus::TooLarge)
        return Fail(PageFitProblem(doc.Paper, doc.PageDpi).value_or(QString()).toStdString(), kExitBadInput);
    if (!result || result->status != GenerateStatus::Done)
        return Fail("the page could not be made: the paper outline is too tall for its width", kExitBadInput);
    if (!doc.Paper.Grid.IsSingle())
        return WritePiece(result->page, doc, output);
    if (stream)
        return ExitCodeOf(stream->Finish(result->page));
    if (extras.marks)
        DrawPageMarks(result->page, doc.Paper, doc.PageDpi);
    PdfPaper pdf{doc.Paper.PageSizeMm(), {}};
    if (extras.setupSheet)
        pdf.following.push_back(SetupSheetPage(SetupOf(doc.Paper, doc.Camera())));
    return ExitCodeOf(WriteResultImage(result->page, output, doc.PageDpi, pdf));
}

// A grid's sheets carry their own marks and its PDF's assembly sheet the setup figures.
std::string GridExtrasProblem(const Paper& paper, const PageExtras& extras)
{
    if (paper.Grid.IsSingle() || !(extras.marks || extras.setupSheet))
        return {};
    return "--marks and --setup-sheet are for a paper of one sheet: the sheets of a grid carry their marks and its "
           "PDF's first page the setup figures";
}

// A saved layout holds everything, its mapping and page resolution included: only the
// output and its extras may go with it, and --mapping or --dpi to make the page another way.
int GenerateFromLayout(const CliArgs& args)
{
    const auto output = args.Option("output");
    const auto mapping = ParseMapping(args);
    const auto dpi = ParsePageDpi(args);
    if (!UnknownOption(args, {"layout", "output", "mapping", "dpi", "marks", "setup-sheet"}).empty()
        || !args.positionals.empty())
        return UsageError("--layout takes no other options than the output file, --mapping, --dpi, --marks and "
                          "--setup-sheet");
    if (!output || output->empty())
        return UsageError("generate needs an output file: -o PAGE.png");
    if (!mapping)
        return UsageError("--mapping must be bilinear or exact");
    if (!dpi)
        return UsageError(PageDpiError());
    std::string error;
    const std::optional<PageExtras> extras = ReadExtras(args, error);
    if (!extras)
        return UsageError(error);
    const std::optional<QString> layout = FileNameArgument(*args.Option("layout"), error);
    if (!layout)
        return Fail(error, kExitBadInput);
    if (const std::string same = SameFileProblem({{"--layout", *layout}}, {{"-o", QString::fromStdString(*output)}});
        !same.empty())
        return UsageError(same);
    const LayoutRead read = LoadLayout(*layout);
    if (!read.layout)
        return Fail(read.error.toStdString(), kExitBadInput);
    Document doc = read.layout->doc;
    if (const std::string problem = GridExtrasProblem(doc.Paper, *extras); !problem.empty())
        return UsageError(problem);
    if (args.Option("mapping"))
        doc.Mapping = *mapping;
    if (args.Option("dpi"))
        doc.PageDpi = *dpi;
    CanvasPaper paper;
    ResetPaper(doc, paper, QSizeF(read.layout->canvas), false);
    return MakePage(doc, paper, QString::fromStdString(*output), *extras);
}

} // namespace

int RunGenerate(const CliArgs& args)
{
    if (args.Option("layout"))
        return GenerateFromLayout(args);
    Document doc;
    const QString ObjectFolder = ObjectFolderOf(AppFolderOf(QCoreApplication::applicationDirPath()));
    std::string error;
    const auto request = ReadRequest(args, ObjectFolder, error);
    if (!request || !DesignerRequestFromArgs(args, error))
        return UsageError(error);
    const std::optional<PageExtras> extras = ReadExtras(args, error);
    if (!extras)
        return UsageError(error);
    if (const std::string problem = GridExtrasProblem(request->paper, *extras); !problem.empty())
        return UsageError(problem);
    doc.Paper = request->paper;
    doc.Outline = doc.Paper.DefaultOutline();
    doc.Mapping = request->Mapping;
    doc.PageDpi = request->PageDpi;
    if (!FileNameArgument(args.Option("picture").value_or(""), error))
        return Fail(error, kExitBadInput);
    if (!FileNameArgument(*args.Option("output"), error))
        return Fail(error, kExitWriteFailed);
    std::vector<NamedFile> outputs{{"-o", request->output}};
    if (!request->composite.isEmpty())
        outputs.push_back({"--composite", request->composite});
    std::vector<NamedFile> inputs{{"the picture", request->picture}};
    if (const auto photo = args.Option("photo"))
        inputs.push_back({"--photo", QString::fromStdString(*photo)});
    if (const std::string same = SameFileProblem(inputs, outputs); !same.empty())
        return UsageError(same);
    if (const std::optional<WriteResult> refused = CheckResultTarget(request->output))
        return ExitCodeOf(*refused);

    const LoadedPicture picture = LoadPicture(request->picture);
    if (picture.image.isNull())
        return Fail(picture.error.toStdString(), kExitBadInput);
    doc.PictureImage = picture.image;
    doc.PictureFile = request->picture;
    if (args.Option("photo")) {
        if (!PaperFromPhoto(args, doc, error))
            return Fail(error, kExitBadInput);
    } else if (!args.HasFlag("default-paper") && !PaperFromDesigner(args, doc, error)) {
        return Fail(error, kExitBadInput);
    }
    CanvasPaper paper;
    ResetPaper(doc, paper, QSizeF(request->canvas), true);
    PlacePicture(doc, paper, *request);
    const int written = MakePage(doc, paper, request->output, *extras);
    if (written != kExitDone || request->composite.isEmpty())
        return written;
    return ExitCodeOf(WriteResultImage(ComposeExpectedView(doc, QSizeF(request->canvas)), request->composite));
}

} // namespace quorvane::cli
