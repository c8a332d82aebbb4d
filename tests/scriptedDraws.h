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
#include <vector>

namespace scriptedDraws {

// The draw u that makes floor(n * u + 1) give r (1..n): the middle of r's interval.
inline float DrawFor(int r, int n) { return (static_cast<float>(r) - 0.5f) / static_cast<float>(n); }

// The `count` draws that turn the digits 1..n into the permutation `wanted`.
inline std::vector<float> ShuffleDraws(const QString& wanted, int count)
{
    const int n = static_cast<int>(wanted.size());
    QString entries;
    for (int i = 1; i <= n; ++i) entries += QChar(u'0' + i);
    std::vector<float> draws;
    auto exchangeWithFirst = [&](int r) {
        const QChar first = entries[0];
        entries[0] = entries[r - 1];
        entries[r - 1] = first;
        draws.push_back(DrawFor(r, n));
    };
    for (int place = n; place >= 2; --place) {
        exchangeWithFirst(static_cast<int>(entries.indexOf(wanted[place - 1])) + 1);
        exchangeWithFirst(place);
    }
    while (static_cast<int>(draws.size()) < count) exchangeWithFirst(1);
    return draws;
}

// The 212 draws that make MakeTransformKey return key, a well-formed key such
// as "|538172694|231|312|132213321|321123231|42|".
inline std::vector<float> KeyDraws(const QString& key)
{
    const QStringList field = key.split(u'|');
    std::vector<float> draws = ShuffleDraws(field[1], 50);
    for (const QString& order : {field[2], field[3]}) {
        const std::vector<float> more = ShuffleDraws(order, 20);
        draws.insert(draws.end(), more.begin(), more.end());
    }
    for (const QString& orders : {field[4], field[5]})
        for (int triple = 0; triple < 3; ++triple) {
            const std::vector<float> more = ShuffleDraws(orders.mid(triple * 3, 3), 20);
            draws.insert(draws.end(), more.begin(), more.end());
        }
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
