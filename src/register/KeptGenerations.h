#pragma once

#include <QHash>

#include <optional>
#include <utility>

// A bounded store of values made at some cost, which forgets in halves: values
// are added to the current generation, and when that one is full it becomes
// the previous one and the generation before it is dropped. A value found in
// the previous generation moves back to the current one, so what the screen
// used lately outlives the turn; dropping everything at the bound instead made
// the next repaint lay out and draw every cell on screen afresh.
//
// Each generation's table is sized for `expected` values when it starts, so an
// added value does not rehash the table in the middle of a repaint.
template <typename Key, typename Value>
class KeptGenerations
{
public:
    // At most `limit` of weight per generation, so at most twice it in all.
    KeptGenerations(qsizetype limit, qsizetype expected)
        : m_limit(limit)
        , m_expected(expected)
    {
        m_current.reserve(m_expected);
    }

    // The kept value, or null. The pointer holds until the next find or insert:
    // either may move values, a find by bringing one back from the previous
    // generation.
    Value* find(const Key& key)
    {
        auto kept = m_current.find(key);
        if (kept != m_current.end())
            return &kept->value;
        std::optional<Entry> old = take(m_previous, m_previousWeight, key);
        return old ? add(key, std::move(*old)) : nullptr;
    }

    Value* insert(Key key, Value value, qsizetype weight)
    {
        return add(std::move(key), Entry{std::move(value), weight});
    }

    // Forgets the key's value; whether one was kept.
    bool remove(const Key& key)
    {
        return take(m_current, m_currentWeight, key) || take(m_previous, m_previousWeight, key);
    }

    qsizetype weight() const { return m_currentWeight + m_previousWeight; }

private:
    struct Entry
    {
        Value value;
        qsizetype weight = 0;
    };

    static std::optional<Entry> take(QHash<Key, Entry>& generation, qsizetype& weight, const Key& key)
    {
        auto found = generation.find(key);
        if (found == generation.end())
            return std::nullopt;
        Entry entry = std::move(*found);
        generation.erase(found);
        weight -= entry.weight;
        return entry;
    }

    Value* add(Key key, Entry entry)
    {
        if (!m_current.isEmpty() && m_currentWeight + entry.weight > m_limit) {
            m_previous = std::exchange(m_current, {});
            m_previousWeight = std::exchange(m_currentWeight, 0);
            m_current.reserve(m_expected);
        }
        m_currentWeight += entry.weight;
        return &m_current.insert(std::move(key), std::move(entry))->value;
    }

    QHash<Key, Entry> m_current;
    QHash<Key, Entry> m_previous;
    qsizetype m_currentWeight = 0;
    qsizetype m_previousWeight = 0;
    qsizetype m_limit;
    qsizetype m_expected;
};
