#include "cli/CommandSupport.h"

#include <cmath>
#include <iostream>
#include <unistd.h>

#include <QString>
#include <QStringList>
#include <QUtf8StringView>

#include "core/shell/PageResolution.h"

namespace quorvane::cli {

namespace {

constexpr int kMaxSide = 100000;

bool StderrIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

} // namespace

int UsageError(const std::string& message)
{
    std::cerr << "quorvane-cli: " << message << "\n\n" << UsageText();
    return kExitUsage;
}

int Fail(const std::string& message, int code)
{
    std::cerr << "quorvane-cli: " << message << "\n";
    return code;
}

std::string UnknownOption(const CliArgs& args, const std::set<std::string>& known)
{
    for (const auto& [name, value] : args.options) {
        if (!known.contains(name))
            return "unknown option --" + name;
    }
    for (const std::string& name : args.flags) {
        if (!known.contains(name))
            return "unknown option --" + name;
    }
    return {};
}

std::optional<QSize> ParseSize(const std::string& text)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool okWidth = false;
    bool okHeight = false;
    const int width = parts[0].toInt(&okWidth);
    const int height = parts[1].toInt(&okHeight);
    if (!okWidth || !okHeight || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return std::nullopt;
    return QSize(width, height);
}

std::optional<std::vector<float>> ParseNumbers(const std::string& text, size_t count)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char(','));
    if (size_t(parts.size()) != count)
        return std::nullopt;
    std::vector<float> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const float value = part.trimmed().toFloat(&ok);
        if (!ok || !std::isfinite(value))
            return std::nullopt;
        numbers.push_back(value);
    }
    return numbers;
}

std::optional<Paper> PaperFromArgs(const CliArgs& args, std::string& error)
{
    bool ok = false;
    const double style = QString::fromStdString(args.Option("style").value_or("6")).toDouble(&ok);
    const std::optional<Paper> paper = ok ? PaperOfStyle(style) : std::nullopt;
    if (!paper && error.empty())
        error = "--style must be 6, 4.1 or 4.2";
    return paper;
}

std::optional<SheetMapping> ParseMapping(const CliArgs& args)
{
    const std::string name = args.Option("mapping").value_or("bilinear");
    if (name == "bilinear")
        return SheetMapping::Bilinear;
    if (name == "exact")
        return SheetMapping::Exact;
    return std::nullopt;
}

std::optional<int32_t> ParsePageDpi(const CliArgs& args)
{
    const std::optional<std::string> text = args.Option("dpi");
    if (!text)
        return kDefaultPageDpi;
    return PageDpiFromText(QString::fromStdString(*text));
}

std::string PageDpiError()
{
    return "--dpi must be " + PageDpiList(QStringLiteral(", "), QStringLiteral(" or ")).toStdString();
}

std::optional<QString> FileNameArgument(const std::string& bytes, std::string& error)
{
    const QString name = QString::fromStdString(bytes);
    if (QUtf8StringView(bytes).isValidUtf8())
        return name;
    error = "the name \"" + name.toStdString() + "\" is not valid UTF-8; rename the file";
    return std::nullopt;
}

int ExitCodeOf(const WriteResult& result)
{
    switch (result.status) {
    case WriteStatus::Written:
        return kExitDone;
    case WriteStatus::UnsupportedName:
        return UsageError(result.message.toStdString());
    case WriteStatus::WriteFailed:
        break;
    }
    return Fail(result.message.toStdString(), kExitWriteFailed);
}

RowCallback TerminalProgress(const GenControl& control)
{
    if (!StderrIsTerminal())
        return {};
    return [&control, shown = -1]() mutable {
        if (control.GenProgress == shown)
            return;
        shown = control.GenProgress;
        std::cerr << "\r" << shown << "%" << std::flush;
    };
}

void EndTerminalProgress()
{
    if (StderrIsTerminal())
        std::cerr << "\n";
}

} // namespace quorvane::cli
