// make-images: draws the game's icon, link pictures and hand pointer and writes them into resources/.
//
// Every picture is drawn from geometry written down here, with no font and no
// image from elsewhere, so the committed PNGs can be rebuilt byte for byte
// (`cmake --build <dir> --target images`).  Small pictures are laid out on
// whole pixels so that they stay sharp at 16 px instead of being scaled down
// from a large drawing.
//
// The icon: a rounded blue tile holding one 3 x 3 box of a Sudoku board, the
// centre cell orange.  At N pixels the tile's margin and the gaps between the
// cells are N/16 and each cell is N/4, so every edge lands on a whole pixel at
// every size.  From 32 px on, three cells carry a digit.  icons/pellwick-sudoku.svg
// is the same drawing at 256 units; change the two together.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSaveFile>
#include <QSizeF>
#include <QString>
#include <QtEndian>

#include <array>
#include <cstdio>
#include <span>
#include <vector>

namespace {

// ---------------------------------------------------------------- palette

const QColor tileTop(0x4a, 0x83, 0xcc);
const QColor tileBottom(0x27, 0x52, 0x90);
const QColor cellPaper(0xfa, 0xf8, 0xf2);
const QColor accentTop(0xf7, 0xa8, 0x45);
const QColor accentBottom(0xe8, 0x84, 0x25);
const QColor digitInk(0x23, 0x47, 0x7d);

const QColor facebookBlue(0x18, 0x77, 0xf2);
const QColor twitterBlue(0x1d, 0xa1, 0xf2);
const QColor linkedinBlue(0x0a, 0x66, 0xc2);

QImage blankImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool savePng(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "make-images: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

// ---------------------------------------------------------------- icon

// A digit is drawn as strokes in a box 22 units wide and 32 high (y down),
// in the units of the 256 px drawing where a cell is 64 units, so the SVG
// carries the very same polylines.  At 32 px a cell is 8 pixels and
// antialiased strokes blur, so there each digit is set from a hand-placed
// 4 x 6 pixel pattern instead.
struct Digit {
    std::vector<QPointF> strokes;
    std::array<const char*, 6> pixels;
};

const Digit digitOne{{{5, 7}, {14, 0}, {14, 32}}, {"..#.", ".##.", "..#.", "..#.", "..#.", "..#."}};
const Digit digitFour{{{16, 32}, {16, 0}, {0, 22}, {22, 22}}, {"..#.", ".##.", "#.#.", "####", "..#.", "..#."}};
const Digit digitSeven{{{0, 0}, {22, 0}, {7, 32}}, {"####", "...#", "..#.", "..#.", ".#..", ".#.."}};

struct MarkedCell {
    int row;
    int column;
    const Digit* digit;
    bool accent;
};

const std::array<MarkedCell, 3> markedCells{{
    {0, 0, &digitSeven, false},
    {1, 1, &digitFour, true},
    {2, 2, &digitOne, false},
}};

// The pattern sits two pixels in from the left and one down, centring the
// 4 x 6 digit in the 8 x 8 cell.
void drawDigitPixels(QPainter& painter, const QRectF& cell, const Digit& digit, const QColor& ink)
{
    const QPointF origin = cell.topLeft() + QPointF(2, 1);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x)
            if (digit.pixels[y][x] == '#') painter.fillRect(QRectF(origin + QPointF(x, y), QSizeF(1, 1)), ink);
}

void drawDigitStrokes(QPainter& painter, const QRectF& cell, const Digit& digit, const QColor& ink)
{
    const double scale = cell.width() / 64;
    const QPointF origin = cell.center() - QPointF(11, 16) * scale;
    const auto at = [&](QPointF point) { return origin + point * scale; };
    QPainterPath path;
    path.moveTo(at(digit.strokes.front()));
    for (const QPointF& point : std::span(digit.strokes).subspan(1)) path.lineTo(at(point));
    QPen pen(ink, 8 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.strokePath(path, pen);
}

QImage drawIcon(int size)
{
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const double unit = size / 16.0; // margin and gap
    const double cell = size / 4.0;

    QLinearGradient tileShade(0, 0, 0, size);
    tileShade.setColorAt(0, tileTop);
    tileShade.setColorAt(1, tileBottom);
    painter.setBrush(tileShade);
    painter.drawRoundedRect(QRectF(0, 0, size, size), 3 * unit, 3 * unit);

    // Below 32 px a digit would be a smudge; the accent cell alone carries the design.
    const double cellRadius = cell / 8;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF box(unit + column * (cell + unit), unit + row * (cell + unit), cell, cell);
            const MarkedCell* mark = nullptr;
            for (const MarkedCell& candidate : markedCells)
                if (candidate.row == row && candidate.column == column) mark = &candidate;
            if (mark && mark->accent) {
                QLinearGradient accentShade(0, box.top(), 0, box.bottom());
                accentShade.setColorAt(0, accentTop);
                accentShade.setColorAt(1, accentBottom);
                painter.setBrush(accentShade);
            } else {
                painter.setBrush(cellPaper);
            }
            painter.drawRoundedRect(box, cellRadius, cellRadius);
            if (!mark || size < 32) continue;
            const QColor ink = mark->accent ? QColor(Qt::white) : digitInk;
            if (size == 32) drawDigitPixels(painter, box, *mark->digit, ink);
            else drawDigitStrokes(painter, box, *mark->digit, ink);
        }
    }
    return image;
}

// An ICO file: ICONDIR, one ICONDIRENTRY per image, then the images as PNG
// streams, which Windows reads from Vista on.
QByteArray icoFile(std::span<const int> sizes)
{
    std::vector<QByteArray> pngs;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        drawIcon(size).save(&buffer, "PNG");
        pngs.push_back(png);
    }

    QByteArray ico;
    auto put16 = [&ico](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        ico.append(bytes, 2);
    };
    auto put32 = [&ico](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        ico.append(bytes, 4);
    };

    put16(0); // reserved
    put16(1); // resource type: icon
    put16(quint16(sizes.size()));
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto side = char(sizes[i] >= 256 ? 0 : sizes[i]); // 0 stands for 256
        ico.append(side); // width
        ico.append(side); // height
        ico.append(char(0)); // no palette
        ico.append(char(0)); // reserved
        put16(1); // colour planes
        put16(32); // bits per pixel
        put32(quint32(pngs[i].size()));
        put32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs) ico.append(png);
    return ico;
}

// ---------------------------------------------------------------- link pictures

// Letter-marks on a 16-unit grid.  Strokes are two units wide and centred on
// whole units, so at 16 px (and at 32 px, drawn twice as large) their edges
// fall on pixel boundaries.
QImage drawLinkPicture(int scale, const QColor& background, const QPainterPath& strokes, const QPainterPath& fills)
{
    QImage image = blankImage(16 * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);
    painter.strokePath(strokes, QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.fillPath(fills, Qt::white);
    return image;
}

// An arc of the circle of the given radius around centre, from startAngle
// (degrees, counter-clockwise from three o'clock) through sweep degrees,
// joined to the path's current point by a straight line.
void addArc(QPainterPath& path, QPointF centre, double radius, double startAngle, double sweep)
{
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), startAngle, sweep);
}

QImage drawFacebook(int scale)
{
    QPainterPath strokes;
    strokes.moveTo(7, 14); // stem, up from the foot
    strokes.lineTo(7, 5);
    addArc(strokes, {9, 5}, 2, 180, -90); // hook to the right
    strokes.lineTo(11, 3);
    strokes.moveTo(4, 8); // cross-bar
    strokes.lineTo(10.5, 8);
    return drawLinkPicture(scale, facebookBlue, strokes, {});
}

QImage drawTwitter(int scale)
{
    QPainterPath strokes;
    strokes.moveTo(7, 2); // stem, down from the top
    strokes.lineTo(7, 11);
    addArc(strokes, {9, 11}, 2, 180, 90); // foot curling to the right
    strokes.lineTo(11, 13);
    strokes.moveTo(4, 6); // cross-bar
    strokes.lineTo(11, 6);
    return drawLinkPicture(scale, twitterBlue, strokes, {});
}

QImage drawLinkedin(int scale)
{
    QPainterPath strokes;
    strokes.moveTo(4, 6); // i
    strokes.lineTo(4, 13);
    strokes.moveTo(8, 6); // n: left stem
    strokes.lineTo(8, 13);
    strokes.moveTo(8, 9); // n: shoulder and right stem
    addArc(strokes, {10, 9}, 2, 180, -180);
    strokes.lineTo(12, 13);
    QPainterPath dot;
    dot.addRoundedRect(QRectF(3, 3, 2, 2), 0.6, 0.6);
    return drawLinkPicture(scale, linkedinBlue, strokes, dot);
}

// ---------------------------------------------------------------- hand pointer

// A hand pointing up, on a 32-unit grid (one unit is a pixel of hand.png).
// The outline runs along half units so that its one-unit stroke covers whole
// pixels; the tip of the index finger is the pixel at (5, 0), the pointer's
// hot spot (at (10, 0) in hand@2x.png).
QPainterPath handOutline()
{
    QPainterPath hand;
    hand.moveTo(3.5, 13.0); // index finger, left side, going up
    hand.lineTo(3.5, 2.5);
    addArc(hand, {5.5, 2.5}, 2.0, 180, -180); // finger tip
    hand.lineTo(7.5, 9.5);
    addArc(hand, {9.0, 9.5}, 1.5, 180, -180); // middle finger knuckle
    hand.lineTo(10.5, 10.5);
    addArc(hand, {12.0, 10.5}, 1.5, 180, -180); // ring finger knuckle
    hand.lineTo(13.5, 11.5);
    addArc(hand, {15.0, 11.5}, 1.5, 180, -180); // little finger knuckle
    hand.lineTo(16.5, 17.0); // outer edge of the palm
    hand.cubicTo(16.5, 19.5, 15.5, 20.5, 14.5, 21.5);
    hand.lineTo(14.5, 24.5); // wrist
    hand.lineTo(6.5, 24.5);
    hand.lineTo(6.5, 21.5);
    hand.cubicTo(5.0, 20.0, 2.5, 17.0, 1.0, 14.5); // thumb, underside
    hand.cubicTo(0.0, 13.0, 1.5, 11.5, 3.5, 13.0); // thumb tip, back into the palm
    hand.closeSubpath();
    return hand;
}

QPainterPath handCreases()
{
    QPainterPath creases;
    creases.moveTo(10.5, 10.5); // between the folded fingers
    creases.lineTo(10.5, 13.0);
    creases.moveTo(13.5, 11.5);
    creases.lineTo(13.5, 14.0);
    creases.moveTo(6.5, 22.5); // cuff line across the wrist
    creases.lineTo(14.5, 22.5);
    return creases;
}

QImage drawHand(int scale)
{
    QImage image = blankImage(32 * scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(handOutline());
    painter.strokePath(handCreases(), QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
    return image;
}

// ---------------------------------------------------------------- main

bool writeAll(const QDir& resources)
{
    bool ok = true;
    if (!resources.mkpath("icons") || !resources.mkpath("images")) {
        std::fprintf(stderr, "make-images: cannot create folders under %s\n", qPrintable(resources.path()));
        return false;
    }
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= savePng(drawIcon(size), resources.filePath(QString("icons/pellwick-sudoku-%1.png").arg(size)));

    const std::array icoSizes{16, 32, 48, 256};
    const QString icoPath = resources.filePath("icons/AAA.ico");
    const QByteArray icoBytes = icoFile(icoSizes);
    QSaveFile ico(icoPath);
    if (ico.open(QIODevice::WriteOnly) && ico.write(icoBytes) == icoBytes.size() && ico.commit()) {
        std::printf("wrote %s\n", qPrintable(icoPath));
    } else {
        std::fprintf(stderr, "make-images: cannot write %s\n", qPrintable(icoPath));
        ok = false;
    }

    struct Named {
        const char* name;
        QImage (*draw)(int);
    };
    const std::array<Named, 4> pictures{{
        {"facebook", drawFacebook},
        {"twitter", drawTwitter},
        {"linkedin", drawLinkedin},
        {"hand", drawHand},
    }};
    for (const Named& picture : pictures) {
        ok &= savePng(picture.draw(1), resources.filePath(QString("images/%1.png").arg(picture.name)));
        ok &= savePng(picture.draw(2), resources.filePath(QString("images/%1@2x.png").arg(picture.name)));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-images RESOURCES-FOLDER\n");
        return 2;
    }
    return writeAll(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 1;
}
