#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kv::manual {

// The manual's source is a small Markdown: "# " the title, "## " a chapter, "### " a section,
// paragraphs separated by blank lines, "- " and "1. " list items, lines indented by four
// spaces as a block of code, and **bold**, *italic* and `code` within a line.

// The RTF document of `markdown`. The chapter headings are listed in *chapters.
QByteArray ManualRtf(const QString& markdown, QStringList* chapters);

}  // namespace kv::manual
