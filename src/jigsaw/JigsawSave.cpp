// JigsawSave.cpp: capture, rebuild and checked restore of a jigsaw game.
#include "JigsawSave.h"

#include "FavFields.h"
#include "LevelBuilder.h"
#include "NeighbourList.h"
#include "RandomSource.h"
#include "TurnUnit.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace JigsawSave {

namespace {
constexpr int MaxDraws = 1 << 20;
constexpr int MaxPieces = 10000;
constexpr double MaxTwips = 1e7;
constexpr int MaxPixels = 1 << 20;
constexpr qsizetype MaxText = 1 << 20;
constexpr int MaxPictureSide = 8192;

QJsonArray pair(double a, double b) { return QJsonArray { a, b }; }

// Piece numbers of a text made of entries "P" number, each followed by tail ("" or "_");
// empty and ok false when the text is anything else or names a piece outside 1..count.
QList<int> entries(const QString& text, const QString& tail, int count, bool* ok)
{
    static const QRegularExpression group(QStringLiteral("^(P[0-9]{1,5})*$"));
    static const QRegularExpression list(QStringLiteral("^(P[0-9]{1,5}_)*$"));
    *ok = (tail.isEmpty() ? group : list).match(text).hasMatch();
    QList<int> result;
    if (!*ok)
        return result;
    for (const QString& part : text.split(u'P', Qt::SkipEmptyParts)) {
        const int k = QString(part).remove(u'_').toInt();
        if (k < 1 || k > count) {
            *ok = false;
            return {};
        }
        result.append(k);
    }
    return result;
}

struct SavedPiece {
    int turn = 0;
    int homeLeft = 0;
    int homeTop = 0;
    QString group;
    QString neighbours;
    QPointF at;
    QSize size;
    bool shown = false;
    bool locked = false;
    QList<int> members;
};

bool readPair(const QJsonObject& o, const QString& key, double low, double high, double* a, double* b,
    QString* problem)
{
    const QJsonArray array = o.value(key).toArray();
    QJsonObject both;
    if (!o.value(key).isArray() || array.size() != 2) {
        *problem = QStringLiteral("\"%1\" is not a pair of numbers.").arg(key);
        return false;
    }
    both.insert(QStringLiteral("first"), array[0]);
    both.insert(QStringLiteral("second"), array[1]);
    return SavedGame::readDouble(both, QStringLiteral("first"), low, high, a, problem)
        && SavedGame::readDouble(both, QStringLiteral("second"), low, high, b, problem);
}

bool readPiece(const QJsonValue& value, int count, SavedPiece* p, QString* problem)
{
    using namespace SavedGame;
    const QJsonObject o = value.toObject();
    double left = 0, top = 0, x = 0, y = 0, w = 0, h = 0;
    if (!value.isObject() || !readInt(o, QStringLiteral("turn"), 0, 270, &p->turn, problem)
        || !readPair(o, QStringLiteral("home"), -MaxPixels, MaxPixels, &left, &top, problem)
        || !readString(o, QStringLiteral("group"), MaxText, &p->group, problem)
        || !readString(o, QStringLiteral("neighbours"), MaxText, &p->neighbours, problem)
        || !readPair(o, QStringLiteral("at"), -MaxTwips, MaxTwips, &x, &y, problem)
        || !readPair(o, QStringLiteral("size"), 0, MaxPixels, &w, &h, problem)
        || !readBool(o, QStringLiteral("shown"), &p->shown, problem)
        || !readBool(o, QStringLiteral("locked"), &p->locked, problem)) {
        if (!value.isObject())
            *problem = QStringLiteral("A piece is not an object.");
        return false;
    }
    if (p->turn % 90 != 0 || left != int(left) || top != int(top) || w != int(w) || h != int(h)) {
        *problem = QStringLiteral("A piece has a turn or a box that no game gives.");
        return false;
    }
    p->homeLeft = int(left);
    p->homeTop = int(top);
    p->at = QPointF(x, y);
    p->size = QSize(int(w), int(h));
    bool ok = false;
    p->members = entries(p->group, QString(), count, &ok);
    bool neighboursOk = false;
    entries(p->neighbours, QStringLiteral("_"), count, &neighboursOk);
    if (!ok || !neighboursOk) {
        *problem = QStringLiteral("A piece names pieces that are not in the level.");
        return false;
    }
    return true;
}

// The whole state checked against a level of count pieces; the pieces come back in pieces[1..n].
bool readState(const QJsonObject& state, const Level& level, int count, QList<SavedPiece>* pieces,
    QList<int>* stack, int* joins, QString* record0, QString* problem)
{
    const QJsonArray array = state.value(QStringLiteral("pieces")).toArray();
    if (!state.value(QStringLiteral("pieces")).isArray() || array.size() != count) {
        *problem = QStringLiteral("The saved pieces do not match the level (%1 pieces).").arg(count);
        return false;
    }
    pieces->resize(count + 1);
    for (int k = 1; k <= count; ++k) {
        if (!readPiece(array[k - 1], count, &(*pieces)[k], problem))
            return false;
    }
    if (!SavedGame::readString(state, QStringLiteral("record0"), MaxText, record0, problem)
        || !SavedGame::readInt(state, QStringLiteral("joins"), 1, count, joins, problem))
        return false;
    bool ok = false;
    entries(*record0, QStringLiteral("_"), count, &ok);
    if (!ok) {
        *problem = QStringLiteral("Record 0 names pieces that are not in the level.");
        return false;
    }

    // Units: every piece a member of exactly one shown unit, all members turned alike.
    const int board = level.shapeFamily == JigsawPlay::ShapeBoard ? count : 0;
    QList<int> unitOf(count + 1, 0);
    int units = 0;
    int locked = 0;
    for (int k = 1; k <= count; ++k) {
        const SavedPiece& p = (*pieces)[k];
        if (p.locked && (!p.shown || board == 0 || k == board)) {
            *problem = QStringLiteral("A piece is locked where nothing can lock it.");
            return false;
        }
        if (p.turn != 0 && (!level.rotation || k == board)) {
            *problem = QStringLiteral("A piece is turned in a game without turning.");
            return false;
        }
        if (!p.shown)
            continue;
        ++units;
        locked += p.locked ? 1 : 0;
        if (p.members.value(0) != k || p.size.isEmpty() || (k == board && p.members.size() != 1)) {
            *problem = QStringLiteral("A unit does not lead its own group.");
            return false;
        }
        for (int m : p.members) {
            if (unitOf[m] != 0 || (*pieces)[m].turn != p.turn || (m != k && (*pieces)[m].shown)) {
                *problem = QStringLiteral("The units do not share out the pieces.");
                return false;
            }
            unitOf[m] = k;
        }
    }
    if (unitOf.count(0) != 1) { // element 0 only
        *problem = QStringLiteral("A piece belongs to no unit.");
        return false;
    }
    if (*joins != 1 + (count - units) + locked) {
        *problem = QStringLiteral("The join count does not match the units.");
        return false;
    }
    const QJsonArray order = state.value(QStringLiteral("stack")).toArray();
    QList<bool> seen(count + 1, false);
    stack->clear();
    for (const QJsonValue& v : order) {
        const int k = v.toInt(0);
        if (!v.isDouble() || k < 1 || k > count || v.toDouble() != k || seen[k]) {
            *problem = QStringLiteral("The stacking is not an order of the pieces.");
            return false;
        }
        seen[k] = true;
        stack->append(k);
    }
    if (stack->size() != count) {
        *problem = QStringLiteral("The stacking is not an order of the pieces.");
        return false;
    }
    return true;
}
} // namespace

Level buildNew(QStringView record, QImage& working, PieceTable& table, RandomSource& random)
{
    RecordingRandom recorder(random);
    Level level;
    level.record = record.toString();
    level.shapeFamily = FavFields::shapeBoardFamily(record) ? JigsawPlay::ShapeBoard : JigsawPlay::Catalogue;
    level.rotation = FavFields::rotationOn(record);
    if (level.shapeFamily == JigsawPlay::ShapeBoard)
        level.levelCode = LevelBuilder::buildShapeBoard(record, working, table, recorder).levelIndex;
    else
        level.levelCode = LevelBuilder::ChooseLevel(record, working, table, recorder).levelCode;
    level.draws = recorder.drawn();
    level.pieceCount = table.count();
    level.picture = working.size();
    return level;
}

bool rebuild(const Level& level, QImage& working, PieceTable& table, QString* problem)
{
    ScriptedRandom replay(level.draws);
    const Level built = buildNew(level.record, working, table, replay);
    if (built.levelCode != level.levelCode || built.pieceCount != level.pieceCount
        || built.shapeFamily != level.shapeFamily || built.rotation != level.rotation
        || replay.drawn() != level.draws.size() || working.size() != level.picture) {
        *problem = QStringLiteral("The saved level cannot be built again.");
        return false;
    }
    return true;
}

SavedGame::Document capture(const JigsawPlay& play, const Level& level, int seconds, bool paused)
{
    SavedGame::Document d;
    d.game = SavedGame::Game::Jigsaw;
    d.seconds = seconds;
    d.paused = paused;
    QJsonArray draws;
    for (double v : level.draws)
        draws.append(v);
    d.level = QJsonObject { { QStringLiteral("record"), level.record }, { QStringLiteral("draws"), draws },
        { QStringLiteral("code"), level.levelCode }, { QStringLiteral("pieces"), level.pieceCount },
        { QStringLiteral("family"), level.shapeFamily }, { QStringLiteral("rotation"), level.rotation },
        { QStringLiteral("picture"), pair(level.picture.width(), level.picture.height()) } };
    QJsonArray pieces;
    const PieceTable& table = play.table();
    for (int k = 1; k <= play.pieceCount(); ++k) {
        const PieceRecord& r = table.piece(k);
        const UnitWindow& w = play.window(k);
        pieces.append(QJsonObject { { QStringLiteral("turn"), r.turn },
            { QStringLiteral("home"), pair(r.homeLeft, r.homeTop) }, { QStringLiteral("group"), r.group },
            { QStringLiteral("neighbours"), r.neighbours }, { QStringLiteral("at"), pair(w.pos.x(), w.pos.y()) },
            { QStringLiteral("size"), pair(w.size.width(), w.size.height()) },
            { QStringLiteral("shown"), w.visible }, { QStringLiteral("locked"), w.locked } });
    }
    QJsonArray stack;
    for (int k : play.stacking())
        stack.append(k);
    d.state = QJsonObject { { QStringLiteral("pieces"), pieces },
        { QStringLiteral("record0"), table.record0().neighbours }, { QStringLiteral("stack"), stack },
        { QStringLiteral("joins"), play.joinCounter() } };
    return d;
}

bool readLevel(const SavedGame::Document& d, Level* level, QString* problem)
{
    using namespace SavedGame;
    const QJsonValue drawsValue = d.level.value(QStringLiteral("draws"));
    if (!readString(d.level, QStringLiteral("record"), 1000, &level->record, problem)
        || !readInt(d.level, QStringLiteral("code"), 0, 1 << 30, &level->levelCode, problem)
        || !readInt(d.level, QStringLiteral("pieces"), 1, MaxPieces, &level->pieceCount, problem)
        || !readInt(d.level, QStringLiteral("family"), 0, 1, &level->shapeFamily, problem)
        || !readBool(d.level, QStringLiteral("rotation"), &level->rotation, problem))
        return false;
    double w = 0, h = 0;
    if (!readPair(d.level, QStringLiteral("picture"), 1, MaxPictureSide, &w, &h, problem))
        return false;
    level->picture = QSize(int(w), int(h));
    const QJsonArray draws = drawsValue.toArray();
    if (!drawsValue.isArray() || draws.size() > MaxDraws) {
        *problem = QStringLiteral("\"draws\" is not a list of random values.");
        return false;
    }
    level->draws.clear();
    level->draws.reserve(draws.size());
    for (const QJsonValue& v : draws) {
        const double x = v.toDouble(-1);
        if (!v.isDouble() || !(x >= 0 && x < 1)) {
            *problem = QStringLiteral("\"draws\" holds a value outside 0 to 1.");
            return false;
        }
        level->draws.append(x);
    }
    return true;
}

bool restore(const SavedGame::Document& d, const Level& level, const PieceTable& built, QSize workingPicture,
    PieceTable& table, JigsawPlay& play, QString* problem)
{
    const int count = built.count();
    QList<SavedPiece> pieces;
    QList<int> stack;
    int joins = 0;
    QString record0;
    if (count != level.pieceCount) {
        *problem = QStringLiteral("The saved pieces do not match the level.");
        return false;
    }
    if (!readState(d.state, level, count, &pieces, &stack, &joins, &record0, problem))
        return false;

    // Every piece turned on its own from the level as built: a piece's outline and points
    // depend only on its turn, whatever turns and joins led there.
    PieceTable restored = built;
    for (int k = 1; k <= count; ++k) {
        PieceRecord& r = restored.piece(k);
        if (pieces[k].turn != 0) {
            r.group = NeighbourList::entry(k).chopped(1);
            turnUnit(restored, pieces[k].turn, k, r.outline.boundingRect().size(), workingPicture);
        }
        r.homeLeft = pieces[k].homeLeft;
        r.homeTop = pieces[k].homeTop;
        r.group = pieces[k].group;
        r.neighbours = pieces[k].neighbours;
    }
    restored.record0().neighbours = record0;

    table = std::move(restored);
    play.startGame(&table, level.shapeFamily, level.rotation);
    for (int k = 1; k <= count; ++k) {
        const SavedPiece& p = pieces[k];
        UnitWindow& w = play.window(k);
        w.pos = p.at;
        w.visible = p.shown;
        w.locked = p.locked;
        w.size = p.size;
        if (!p.shown)
            continue;
        QRegion united;
        for (int m : p.members)
            united += table.piece(m).outline;
        play.setUnitShape(k, p.size, united.translated(-p.homeLeft, -p.homeTop));
    }
    play.restoreOrder(stack, joins);
    play.paused = d.paused;
    return true;
}

QImage fitted(const QImage& source, QSize size)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    return picture.size() == size ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool resume(const SavedGame::Document& d, const QImage& source, QImage& fittedPicture, QImage& working,
    PieceTable& table, JigsawPlay& play, Level* level, QString* problem)
{
    Level saved;
    if (!readLevel(d, &saved, problem))
        return false;
    if (source.isNull()) {
        *problem = QStringLiteral("The saved game's picture is missing.");
        return false;
    }
    const QImage picture = fitted(source, saved.picture);
    QImage cut = picture.copy();
    PieceTable built;
    if (!rebuild(saved, cut, built, problem)
        || !restore(d, saved, built, cut.size(), table, play, problem))
        return false;
    fittedPicture = picture;
    working = cut;
    *level = saved;
    return true;
}

} // namespace JigsawSave
