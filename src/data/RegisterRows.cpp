#include "RegisterRows.h"

#include "Identifiers.h"

#include <QLatin1StringView>

#include <algorithm>
#include <type_traits>

namespace {

// A big register's rows come and go anywhere in it, and a list moves every
// item after the place to close the gap or make room: megabytes for a row near
// the top. These move the shorter side instead, since a list also keeps room
// before its first item.
// The moves go through plain pointers, which the standard library turns into
// one memmove for these plain structures; through the list's own iterators it
// copies item by item.
template <typename T>
T takeMovingShorterSide(QList<T>& list, qsizetype i)
{
    static_assert(std::is_trivially_copyable_v<T>);
    const T taken = list.at(i);
    if (i < list.size() / 2) {
        T* items = list.data();
        std::move_backward(items, items + i, items + i + 1);
        list.removeFirst();
    } else {
        list.remove(i);
    }
    return taken;
}

template <typename T>
void insertMovingShorterSide(QList<T>& list, qsizetype i, const T& item)
{
    static_assert(std::is_trivially_copyable_v<T>);
    if (i > 0 && i < list.size() / 2) {
        list.prepend(item);
        T* items = list.data();
        std::move(items + 1, items + i + 1, items);
        items[i] = item;
    } else {
        list.insert(i, item);
    }
}

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// The id as 16 bytes when it is a UUID written as newId() writes one, which turns
// it back into the very same text; the null UUID for any other text.
QUuid uuidOf(QByteArrayView text)
{
    if (text.size() != 36)
        return QUuid();
    for (qsizetype i = 0; i < 36; ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        if (dash ? text.at(i) != '-' : !isLowerHex(text.at(i)))
            return QUuid();
    }
    return QUuid::fromString(QLatin1StringView(text.data(), text.size()));
}

QUuid uuidOf(const QString& text)
{
    if (text.size() != 36)
        return QUuid();
    char latin1[36];
    for (qsizetype i = 0; i < 36; ++i) {
        if (text.at(i).unicode() > 0x7f)
            return QUuid();
        latin1[i] = static_cast<char>(text.at(i).unicode());
    }
    return uuidOf(QByteArrayView(latin1, 36));
}

} // namespace

RegisterRows::RegisterRows(const QList<RegisterRow>& rows)
{
    reserve(rows.size());
    for (const RegisterRow& row : rows)
        append(row);
}

quint8 RegisterRows::flagsOf(bool cleared, bool reconciled, bool isSplit)
{
    return (cleared ? Cleared : 0) | (reconciled ? Reconciled : 0) | (isSplit ? Split : 0);
}

quint32 RegisterRows::addText(const QString& text)
{
    if (text.isEmpty())
        return 0;
    m_texts.append(text);
    return static_cast<quint32>(m_texts.size() - 1);
}

template <typename Row, typename TextIndex>
RegisterRows::Entry RegisterRows::entryOf(const Row& row, TextIndex textIndex)
{
    Entry entry;
    entry.uuid = uuidOf(row.id);
    if (entry.uuid.isNull())
        entry.idText = textIndex(row.id);
    entry.date = row.date;
    entry.amount = row.amount;
    entry.createdOrder = row.createdOrder;
    entry.accountId = textIndex(row.accountId);
    entry.payee = textIndex(row.payee);
    entry.memo = textIndex(row.memo);
    entry.categoryId = textIndex(row.categoryId);
    entry.checkNumber = textIndex(row.checkNumber);
    entry.categoryText = textIndex(row.categoryText);
    entry.flags = flagsOf(row.cleared, row.reconciled, row.isSplit);
    return entry;
}

void RegisterRows::append(const RegisterRow& row)
{
    appendEntry(entryOf(row, [this](const QString& text) { return addText(text); }), row.runningBalance);
}

void RegisterRows::appendEntry(const Entry& entry, const MoneySum& runningBalance)
{
    m_places.append(Place(static_cast<quint32>(m_entries.size()), runningBalance));
    count(entry, 1);
    m_entries.append(entry);
    if (!keepsPlaceRun(m_places.size() - 1))
        notePlaceRun();
}

void RegisterRows::notePlaceRun()
{
    const auto rises = [](const Place& a, const Place& b) { return a.order < b.order; };
    const auto falls = [](const Place& a, const Place& b) { return a.order > b.order; };
    if (std::is_sorted(m_places.cbegin(), m_places.cend(), rises))
        m_placeRun = PlaceRun::Rising;
    else if (std::is_sorted(m_places.cbegin(), m_places.cend(), falls))
        m_placeRun = PlaceRun::Falling;
    else
        m_placeRun = PlaceRun::Mixed;
}

bool RegisterRows::keepsPlaceRun(qsizetype i) const
{
    if (m_placeRun == PlaceRun::Mixed)
        return true;
    const bool rising = m_placeRun == PlaceRun::Rising;
    const quint32 order = m_places.at(i).order;
    const auto inRun = [rising](quint32 earlier, quint32 later) { return rising ? earlier < later : earlier > later; };
    return (i == 0 || inRun(m_places.at(i - 1).order, order))
           && (i == m_places.size() - 1 || inRun(order, m_places.at(i + 1).order));
}

std::optional<RegisterRows::Run> RegisterRows::runFrom(qint64 order) const
{
    if (m_placeRun == PlaceRun::Mixed)
        return std::nullopt;
    if (m_placeRun == PlaceRun::Rising) {
        const auto first = std::partition_point(m_places.cbegin(), m_places.cend(),
                                                [order](const Place& place) { return place.order < order; });
        return Run{first - m_places.cbegin(), m_places.size()};
    }
    const auto last = std::partition_point(m_places.cbegin(), m_places.cend(),
                                           [order](const Place& place) { return place.order >= order; });
    return Run{0, last - m_places.cbegin()};
}

RegisterRow RegisterRows::at(qsizetype i) const
{
    const Entry& entry = m_entries.at(i);
    RegisterRow row;
    row.id = id(i);
    row.accountId = m_texts.at(entry.accountId);
    row.date = entry.date;
    row.payee = m_texts.at(entry.payee);
    row.memo = m_texts.at(entry.memo);
    row.amount = entry.amount;
    row.categoryId = m_texts.at(entry.categoryId);
    row.checkNumber = m_texts.at(entry.checkNumber);
    row.cleared = entry.flags & Cleared;
    row.reconciled = entry.flags & Reconciled;
    row.isSplit = entry.flags & Split;
    row.runningBalance = m_places.at(i).balance();
    row.categoryText = m_texts.at(entry.categoryText);
    row.createdOrder = entry.createdOrder;
    return row;
}

QList<RegisterRow> RegisterRows::toList() const
{
    QList<RegisterRow> rows;
    rows.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        rows.append(at(i));
    return rows;
}

QString RegisterRows::id(qsizetype i) const
{
    const Entry& entry = m_entries.at(i);
    return entry.uuid.isNull() ? m_texts.at(entry.idText) : idText(entry.uuid);
}

bool RegisterRows::hasId(qsizetype i) const
{
    const Entry& entry = m_entries.at(i);
    return !entry.uuid.isNull() || entry.idText != 0;
}

qsizetype RegisterRows::indexOf(const QString& id) const
{
    if (id.isEmpty())
        return -1;
    const QUuid uuid = uuidOf(id);
    if (!uuid.isNull()) {
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            if (m_entries.at(i).uuid == uuid)
                return i;
        }
        return -1;
    }
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const quint32 text = m_entries.at(i).idText;
        if (text != 0 && m_texts.at(text) == id)
            return i;
    }
    return -1;
}

quint32 RegisterRows::textIndex(qsizetype i, Text which) const
{
    const Entry& entry = m_entries.at(i);
    switch (which) {
    case Text::Payee:
        return entry.payee;
    case Text::Memo:
        return entry.memo;
    case Text::CheckNumber:
        return entry.checkNumber;
    case Text::CategoryText:
        return entry.categoryText;
    }
    return 0;
}

const QString& RegisterRows::textOf(const RegisterRow& row, Text which)
{
    switch (which) {
    case Text::Payee:
        return row.payee;
    case Text::Memo:
        return row.memo;
    case Text::CheckNumber:
        return row.checkNumber;
    case Text::CategoryText:
        break;
    }
    return row.categoryText;
}

void RegisterRows::reorder(const std::vector<int>& indices)
{
    QList<Entry> reordered;
    QList<Place> reorderedPlaces;
    reordered.reserve(m_entries.size());
    reorderedPlaces.reserve(m_places.size());
    for (const int index : indices) {
        reordered.append(m_entries.at(index));
        reorderedPlaces.append(m_places.at(index));
    }
    m_entries = std::move(reordered);
    m_places = std::move(reorderedPlaces);
    notePlaceRun();
}

bool RegisterRows::hasOpeningLine() const
{
    return m_withoutId > 0;
}

std::optional<quint32> RegisterRows::ledgerPlace(const RegisterRow& fresh, qsizetype replacing) const
{
    if (hasOpeningLine())
        return std::nullopt;
    // An edit that keeps the date keeps the row where it was: its creation time
    // and its rowid are those it had.
    if (replacing >= 0 && m_entries.at(replacing).date == fresh.date)
        return m_places.at(replacing).order;
    const bool inserted = replacing < 0;
    // A new row mostly goes last, and the ledger's last row shows that without
    // a walk through the register: whatever goes before it goes before the new row.
    if (inserted && m_unordered == 0 && fresh.createdOrder >= 0) {
        if (const qsizetype last = lastInLedgerAtAnEnd(); last >= 0) {
            const Entry& entry = m_entries.at(last);
            if (entry.date < fresh.date || (entry.date == fresh.date && entry.createdOrder <= fresh.createdOrder))
                return m_places.at(last).order + 1;
        }
    }
    qint64 before = -1; // the greatest place of a row that goes before it
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (i == replacing)
            continue;
        const Entry& entry = m_entries.at(i);
        bool goesBefore = entry.date < fresh.date;
        if (entry.date == fresh.date) {
            if (entry.createdOrder < 0 || fresh.createdOrder < 0)
                return std::nullopt;
            // A row just inserted has the highest rowid, so it follows the rows
            // created in the same second; an older row's rowid is unknown here.
            if (entry.createdOrder == fresh.createdOrder && !inserted)
                return std::nullopt;
            goesBefore = entry.createdOrder <= fresh.createdOrder;
        }
        if (goesBefore)
            before = std::max<qint64>(before, m_places.at(i).order);
    }
    return static_cast<quint32>(before + 1);
}

qsizetype RegisterRows::lastInLedgerAtAnEnd() const
{
    if (m_places.isEmpty())
        return -1;
    if (m_placeRun != PlaceRun::Mixed)
        return m_placeRun == PlaceRun::Rising ? m_places.size() - 1 : 0;
    // Shown in another order, the row of place size - 1 is the last one only
    // while the places run without a gap: a row taken out leaves one.
    if (m_placesHaveGap)
        return -1;
    const auto last = static_cast<quint32>(m_places.size() - 1);
    for (const qsizetype i : {m_places.size() - 1, qsizetype(0)}) {
        if (m_places.at(i).order == last)
            return i;
    }
    return -1;
}

void RegisterRows::removeFromLedger(qsizetype i)
{
    const Entry removed = takeMovingShorterSide(m_entries, i);
    const Place place = takeMovingShorterSide(m_places, i);
    m_placesHaveGap = true;
    count(removed, -1);
    shiftBalancesAfter(place.order, -MoneySum(removed.amount));
}

void RegisterRows::shiftBalancesAfter(quint32 order, const MoneySum& change)
{
    if (change.isZero())
        return;
    if (const std::optional<Run> run = runFrom(qint64(order) + 1)) {
        Place* places = m_places.data();
        for (qsizetype i = run->first; i < run->last; ++i)
            places[i].add(change);
        return;
    }
    for (Place& place : m_places) {
        if (place.order > order)
            place.add(change);
    }
}

void RegisterRows::insertIntoLedger(qsizetype at, const RegisterRow& fresh, quint32 place)
{
    const Entry inserted = entryOf(fresh, [this](const QString& text) { return addText(text); });
    // Without an opening line the account starts from nothing.
    MoneySum before;
    const MoneySum amount = fresh.amount;
    if (const std::optional<Run> run = runFrom(place)) {
        // The row just before it in the ledger borders the run of those after it.
        const qsizetype closest = m_placeRun == PlaceRun::Rising ? run->first - 1 : run->last;
        if (closest >= 0 && closest < m_places.size())
            before = m_places.at(closest).balance();
        Place* places = m_places.data();
        for (qsizetype i = run->first; i < run->last; ++i) {
            ++places[i].order;
            places[i].add(amount);
        }
    } else {
        qint64 closest = -1;
        for (Place& other : m_places) {
            if (other.order >= place) {
                ++other.order;
                other.add(amount);
            } else if (static_cast<qint64>(other.order) > closest) {
                closest = other.order;
                before = other.balance();
            }
        }
    }
    count(inserted, 1);
    insertMovingShorterSide(m_entries, at, inserted);
    insertMovingShorterSide(m_places, at, Place(place, before + amount));
    if (!keepsPlaceRun(at))
        notePlaceRun();
}

void RegisterRows::replaceInLedger(qsizetype i, const RegisterRow& fresh)
{
    const Entry old = m_entries.at(i);
    const Entry replaced = entryOf(fresh, [this](const QString& text) { return addText(text); });
    // Both amounts are qint64s, their difference need not be.
    const MoneySum change = MoneySum(fresh.amount) - old.amount;
    count(old, -1);
    count(replaced, 1);
    m_entries[i] = replaced;
    m_places[i].add(change);
    shiftBalancesAfter(m_places.at(i).order, change);
}

RegisterRows::RowsAfter RegisterRows::rowsAfter(quint32 order, qint64 distance, qsizetype most) const
{
    // Every register write asks this. Shown by date either way, the rows after
    // the place are one run; shown otherwise, one pass over the places alone
    // finds them.
    RowsAfter after;
    const Place* places = m_places.constData();
    // -distance <= balance <= distance as one comparison, in the arithmetic of
    // unsigned numbers, which wraps where a signed sum could overflow: this runs
    // over every row after the place. A balance past what a qint64 holds is
    // no nearer zero than one that just fits.
    const quint64 shift = quint64(distance);
    const quint64 span = 2 * shift;
    const auto nearZero = [&](qsizetype i) {
        const MoneySum balance = places[i].balance();
        return balance.fits() && balance.low() + shift <= span;
    };
    // Up to most + 1 of them: one more than named tells there are more.
    const auto full = [&] { return after.nearZero.size() > most; };
    if (const std::optional<Run> run = runFrom(qint64(order) + 1)) {
        if (run->first < run->last) {
            after.first = run->first;
            after.last = run->last - 1;
        }
        if (distance < 0)
            return after;
        for (qsizetype i = run->first; i < run->last; ++i) {
            if (nearZero(i)) {
                after.nearZero.append(i);
                if (full())
                    break;
            }
        }
        return after;
    }
    const qsizetype size = m_places.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (places[i].order <= order)
            continue;
        if (after.first < 0)
            after.first = i;
        after.last = i;
        if (distance >= 0 && !full() && nearZero(i))
            after.nearZero.append(i);
    }
    return after;
}

RegisterRows::Filler::Filler(RegisterRows& rows)
    : m_rows(rows)
{
}

quint32 RegisterRows::Filler::intern(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return 0;
    // Looked up over the reader's bytes; copied only when the text is new.
    const QByteArray key = QByteArray::fromRawData(utf8.data(), utf8.size());
    const auto known = m_known.constFind(key);
    if (known != m_known.cend())
        return *known;
    const quint32 index = m_rows.addText(QString::fromUtf8(utf8));
    m_known.insert(QByteArray(utf8.data(), utf8.size()), index);
    return index;
}

void RegisterRows::Filler::append(const Utf8Row& row)
{
    m_rows.appendEntry(entryOf(row, [this](QByteArrayView text) { return intern(text); }), row.runningBalance);
}

qint64 RegisterRows::createdOrderOf(QByteArrayView utf8)
{
    // "yyyy-MM-ddTHH:mm:ssZ", as the ledger writes its times.
    static constexpr char kShape[] = "dddd-dd-ddTdd:dd:ddZ";
    if (utf8.size() != 20)
        return -1;
    qint64 order = 0;
    for (qsizetype i = 0; i < 20; ++i) {
        const char c = utf8.at(i);
        if (kShape[i] != 'd') {
            if (c != kShape[i])
                return -1;
        } else if (c >= '0' && c <= '9') {
            order = order * 10 + (c - '0');
        } else {
            return -1;
        }
    }
    return order;
}

void RegisterRows::count(const Entry& entry, int sign)
{
    // -entry.amount could wrap: a sign of -1 subtracts instead.
    const auto add = [&](MoneySum& sum) {
        if (sign > 0)
            sum += entry.amount;
        else
            sum -= entry.amount;
    };
    add(m_total);
    if (entry.flags & (Cleared | Reconciled))
        add(m_cleared);
    if (entry.createdOrder < 0)
        m_unordered += sign;
    if (hasNoId(entry))
        m_withoutId += sign;
}

void RegisterRows::recount()
{
    m_total = MoneySum();
    m_cleared = MoneySum();
    m_unordered = 0;
    m_withoutId = 0;
    for (const Entry& entry : m_entries)
        count(entry, 1);
}

RegisterFigures RegisterRows::figures() const
{
    return {m_cleared, m_total - m_cleared, m_total};
}
