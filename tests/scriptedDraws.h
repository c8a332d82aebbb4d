// Scripted draws for the general random source: the draws that make a chosen
// transformation key, then the draws of chosen carve seeds.
//
// MakeTransformKey shuffles each field by exchanging a drawn entry with the
// first one. Any permutation comes out of that shuffle: for each place from
// the last down to the second, one exchange brings the wanted digit to the
// front and a second puts it in its place; every remaining draw picks the
// first entry, which exchanges it with itself.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace scriptedDraws {

// The draw u that makes floor(n * u + 1) give r (1..n): the middle of r's interval.
inline float DrawFor(int r, int n) { return (static_cast<float>(r) - 0.5f) / static_cast<float>(n); }

// Appends the `count` draws that turn the digits 1..n into the permutation `wanted`.
inline void AppendShuffleDraws(std::vector<float>& draws, const QString& wanted, int count)
{
    const int n = static_cast<int>(wanted.size());
    std::string entries = std::string("123456789").substr(0, static_cast<std::size_t>(n));
    const std::size_t end = draws.size() + static_cast<std::size_t>(count);
    auto exchangeWithFirst = [&](std::size_t r) {
        std::swap(entries[0], entries[r - 1]);
        draws.push_back(DrawFor(static_cast<int>(r), n));
    };
    for (int place = n; place >= 2; --place) {
        exchangeWithFirst(entries.find(wanted[place - 1].toLatin1()) + 1);
        exchangeWithFirst(static_cast<std::size_t>(place));
    }
    while (draws.size() < end) exchangeWithFirst(1);
}

// The 212 draws that make MakeTransformKey return key, a well-formed key such
// as "|538172694|231|312|132213321|321123231|42|".
inline std::vector<float> KeyDraws(const QString& key)
{
    const QStringList field = key.split(u'|');
    std::vector<float> draws;
    AppendShuffleDraws(draws, field[1], 50);
    for (const QString& order : {field[2], field[3]}) AppendShuffleDraws(draws, order, 20);
    for (const QString& orders : {field[4], field[5]})
        for (int triple = 0; triple < 3; ++triple) AppendShuffleDraws(draws, orders.mid(triple * 3, 3), 20);
    draws.push_back(DrawFor(field[6][0].digitValue(), 4));
    draws.push_back(DrawFor(field[6][1].digitValue() + 1, 3));
    return draws;
}

// The draw that makes the carve seed floor(899 u) + 101 equal seed (101..999).
inline float SeedDraw(int seed) { return DrawFor(seed - 100, 899); }

// A source that gives draws in order and then `after` for ever, counting every
// draw it gave in *taken.
inline std::function<float()> Source(std::vector<float> draws, float after, const std::shared_ptr<int>& taken)
{
    return [draws = std::move(draws), after, taken] {
        const int next = (*taken)++;
        return next < static_cast<int>(draws.size()) ? draws[static_cast<std::size_t>(next)] : after;
    };
}

} // namespace scriptedDraws
