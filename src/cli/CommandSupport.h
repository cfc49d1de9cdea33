#pragma once

// Helpers the commands share: option checks, value parsing, exit codes for the page
// writer and progress on a terminal.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QSize>

#include "cli/CliArgs.h"
#include "core/generation/GenControl.h"
#include "core/generation/TransBitmap.h"
#include "core/output/ResultWriter.h"
#include "core/shell/Paper.h"
#include "core/shell/SheetMapping.h"

namespace quorvane::cli {

// Prints the message and the usage text to stderr; returns kExitUsage.
int UsageError(const std::string& message);

// Prints "quorvane-cli: message" to stderr and returns `code`.
int Fail(const std::string& message, int code);

// An error message for the first option or flag not in `known`; empty when all are known.
std::string UnknownOption(const CliArgs& args, const std::set<std::string>& known);

// "WxH" with both sides from 1 to 100000.
std::optional<QSize> ParseSize(const std::string& text);

// Exactly `count` finite numbers separated by commas.
std::optional<std::vector<float>> ParseNumbers(const std::string& text, size_t count);

// --mapping: "bilinear" (also when absent) or "exact"; no value for anything else.
std::optional<SheetMapping> ParseMapping(const CliArgs& args);
// --dpi, one of kPageDpis (the default when not given); no value for any other.
std::optional<int32_t> ParsePageDpi(const CliArgs& args);
// The message for a --dpi that is none of them.
std::string PageDpiError();

// A file name from the command line. The toolkit handles names as UTF-8 text: a name in
// another encoding reaches no file, so it is refused with the reason in `error`.
std::optional<QString> FileNameArgument(const std::string& bytes, std::string& error);

// A file a command reads or writes, with the words that name it ("--picture", "-o").
struct NamedFile {
    std::string what;
    QString path;
};

// "-o names the same file as --picture": the first output that is the same file as an input
// or an earlier output, which writing it would destroy; empty when there is none.
std::string SameFileProblem(const std::vector<NamedFile>& inputs, const std::vector<NamedFile>& outputs);

// Exit code for a page write: 0 written, 1 unsupported name, 3 failed; messages to stderr.
int ExitCodeOf(const WriteResult& result);

// Shows GenProgress on stderr while a terminal is there; nothing otherwise.
RowCallback TerminalProgress(const GenControl& control);
void EndTerminalProgress();

} // namespace quorvane::cli
