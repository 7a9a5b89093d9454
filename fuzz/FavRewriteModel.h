// FavRewriteModel.h: an independent statement of how the preferences file is rewritten, for the
// fuzz target (and its corpus replay) to check the real rewrite against.
#pragma once

#include <QByteArray>
#include <QList>

// Every line end (CR LF, CR or LF) becomes one LF, blank lines go, the game's lines (those
// starting with tag) get every `from` replaced, and each line is ended by CR LF. firstGameLine,
// when given, receives the first game line as rewritten.
inline QByteArray expectedRewrite(QByteArray bytes, const QByteArray& tag, const QByteArray& from,
                                  const QByteArray& to, QByteArray* firstGameLine = nullptr)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    QByteArray out;
    for (QByteArray line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(tag)) {
            if (!from.isEmpty())
                line.replace(from, to);
            if (firstGameLine && firstGameLine->isNull())
                *firstGameLine = line;
        }
        out += line + "\r\n";
    }
    return out;
}
