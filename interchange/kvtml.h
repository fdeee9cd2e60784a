#pragma once
#include "interchange/vocabularytable.h"
#include "platform/packedlines.h"
#include "platform/progress.h"

#include <QByteArray>

#include <optional>

// The XML vocabulary documents of the KDE trainers: version 2
// (<kvtml version="2.0">, languages in <identifiers>, <entry> with one
// <translation> per language) and version 1 (<e> with <o> and <t>, the title
// an attribute of the root). Qt Core only.
namespace interchange {

// The entries of a kvtml document of either version, one column a language.
// Throws plat::Failure with a French reason for a document that is not XML,
// not a vocabulary, incomplete, or declares entities (never expanded).
VocabularyTable readKvtml(QByteArrayView bytes, plat::Progress &progress = plat::Progress::none());
// The two ways readKvtml reads, for the tests that compare them: the quick
// scanner of UTF-8 documents in plain XML (nothing when the document is
// anything else, or fails to be read: the table of any it reads is the one
// QXmlStreamReader gives), and QXmlStreamReader for every document.
std::optional<VocabularyTable> readKvtmlQuickly(QByteArrayView bytes,
                                                plat::Progress &progress = plat::Progress::none());
VocabularyTable readKvtmlWithQt(QByteArrayView bytes, plat::Progress &progress = plat::Progress::none());

// A kvtml 2 document of a sheet: its name as title, its information as
// comment, two languages (the foreign one named after the sheet's title
// when it names a language, and French), one entry a pair, all in one
// lesson. Characters XML cannot carry become U+FFFD.
QByteArray kvtmlDocument(const plat::PackedLines &sheet);

} // namespace interchange
