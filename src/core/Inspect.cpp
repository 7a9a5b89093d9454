// Inspect.cpp: subcommand registry and argument helpers of quarry-inspect.
#include "Inspect.h"

#include <QMap>

namespace Inspect {

namespace {
struct Entry
{
    QString usage;
    Handler handler;
};

QMap<QString, Entry>& registry()
{
    static QMap<QString, Entry> commands;
    return commands;
}
} // namespace

Command::Command(const char* name, const char* usageText, Handler handler)
{
    registry().insert(QString::fromLatin1(name), {QString::fromLatin1(usageText), std::move(handler)});
}

int usage(Io& io, const QString& name)
{
    io.err << "usage:\n";
    for (auto it = registry().cbegin(); it != registry().cend(); ++it) {
        if (name.isEmpty() || name == it.key())
            io.err << "  quarry-inspect " << it.key() << ' ' << it.value().usage << '\n';
    }
    io.err.flush();
    return UsageError;
}

namespace {
int dispatch(Io& io, const QStringList& args)
{
    QTextStream& out = io.out;
    QTextStream& err = io.err;
    if (args.isEmpty())
        return usage(io);
    const auto it = registry().constFind(args.first());
    if (it == registry().cend()) {
        err << "quarry-inspect: unknown subcommand '" << args.first() << "'\n";
        return usage(io);
    }
    const int status = it.value().handler(args.mid(1), io);
    out.flush();
    err.flush();
    return status;
}
} // namespace

int run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Io io { out, err };
    return dispatch(io, args);
}

int run(const QStringList& args, QTextStream& in, QTextStream& out, QTextStream& err)
{
    Io io { out, err, &in };
    return dispatch(io, args);
}

QList<double> parseRandomList(const QString& text, bool* ok)
{
    QList<double> values;
    *ok = true;
    for (const QString& part : text.split(u',')) {
        bool partOk = false;
        const double v = part.trimmed().toDouble(&partOk);
        if (!partOk || !(v >= 0.0 && v < 1.0)) {
            *ok = false;
            return {};
        }
        values.append(v);
    }
    return values;
}

int parseInt(const QString& text, bool* ok)
{
    return text.toInt(ok, 10);
}

} // namespace Inspect
