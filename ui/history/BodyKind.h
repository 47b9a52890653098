#pragma once

#include <QByteArrayView>
#include <QString>

// What a fetched body is, judged from its first bytes before it is read as a
// history: publishers answer a moved or blocked address with a web page (often
// with 200 OK), and some sources are a ZIP of one delimited file.
enum class TBodyKind {
    Empty,
    Zip,
    Html,
    Xml,
    Json,
    Text, // anything else: left to the import to judge
};

// `head`: the body's first bytes (a few kilobytes are plenty).
TBodyKind SniffBody(QByteArrayView head);

// The first bytes looked at by SniffBody.
inline constexpr qsizetype SniffedBytes = 4096;

enum class TBodySource { Address, File };

// Why a body of this kind is not a history, for the error box, worded for
// where it came from: empty for Zip and Text. `head` gives a web page's
// title, named when it has one.
QString NotAHistoryMessage(TBodyKind kind, QByteArrayView head, TBodySource source = TBodySource::Address);
