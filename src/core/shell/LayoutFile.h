#pragma once

// Layout files ("*.quorvane"): a small JSON text holding a document (page style, camera,
// paper outline, the picture's placement and the picture itself, embedded as PNG beside
// the path it came from, the mapping and the page resolution) and the canvas size it was
// placed on, so the same page can be made again later. Reading is lenient with what it does not know, so a file written by
// a newer version opens, and strict with what it needs: a damaged, cut short or foreign
// file gives a reason and no document.

#include <optional>

#include <QByteArray>
#include <QSize>
#include <QString>

#include "core/shell/Document.h"

namespace quorvane {

struct Layout {
    Document doc;
    QSize canvas; // the canvas the placement was made on
};

struct LayoutRead {
    std::optional<Layout> layout;
    QString error; // for the user: names the file and the reason; empty when read
};

inline constexpr const char* kLayoutEnding = ".quorvane";

QByteArray LayoutToJson(const Layout& layout);
// `name` is the file's name, for the message.
LayoutRead LayoutFromJson(const QByteArray& json, const QString& name);

// The file is replaced only once the new one is complete. Returns the message on failure.
std::optional<QString> SaveLayout(const Layout& layout, const QString& path);
LayoutRead LoadLayout(const QString& path);

} // namespace quorvane
