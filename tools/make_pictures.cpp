// make_pictures: draws tavoreno's title banner and program icon with code.
//
//   make_pictures OUTPUT-DIR-FOR-CONTENT-IMAGES PACKAGING-DIR
//
// writes   OUTPUT-DIR/banner.jpg     577 x 117 baseline JPEG (JFIF 1.01, 4:2:0)
//          OUTPUT-DIR/icon.png       32 x 32 palettised PNG
//          PACKAGING-DIR/tavoreno.ico
//          PACKAGING-DIR/icons/hicolor/NxN/apps/tavoreno.png
//
// Everything is drawn here: the only outside input is the font file
// Liberation Serif Bold from Debian's fonts-liberation, loaded by path and
// rendered unhinted as outlines, so the result depends on nothing else that
// is installed. Running the tool twice gives byte-identical files.

#include "make_pictures_jpeg.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int kBannerWidth = 577;
constexpr int kBannerHeight = 117;
// Quality and background grain together put banner.jpg near 23 400 bytes.
constexpr int kBannerQuality = 90;
constexpr int kBevelWidth = 5;
constexpr double kBackgroundGrain = 3.0;
constexpr int kIconSize = 32;
const int kHicolorSizes[] = {32, 48, 64, 128, 256};
const char kTitleFontFile[] = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf";

// ---------------------------------------------------------------------------
// Deterministic noise.

std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

// Uniform in [0, 1).
double hashUnit(int x, int y, std::uint32_t seed)
{
    return hash3(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) / 4294967296.0;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Value noise in [0, 1).
double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = hashUnit(ix, iy, seed);
    const double b = hashUnit(ix + 1, iy, seed);
    const double c = hashUnit(ix, iy + 1, seed);
    const double d = hashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Fractal noise in [0, 1).
double fractalNoise(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

// ---------------------------------------------------------------------------
// Small colour and image helpers.

QColor mixColor(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

int clampByte(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

// Box blur of a premultiplied ARGB image, `passes` times, in place.
void boxBlur(QImage &image, int radius, int passes)
{
    const int w = image.width();
    const int h = image.height();
    QList<int> sums(4 * std::max(w, h));
    for (int pass = 0; pass < passes; ++pass) {
        for (int horizontal = 1; horizontal >= 0; --horizontal) {
            const int lines = horizontal ? h : w;
            const int length = horizontal ? w : h;
            QList<QRgb> line(length);
            for (int l = 0; l < lines; ++l) {
                auto at = [&](int i) -> QRgb & {
                    return horizontal ? reinterpret_cast<QRgb *>(image.scanLine(l))[i]
                                      : reinterpret_cast<QRgb *>(image.scanLine(i))[l];
                };
                for (int i = 0; i < length; ++i)
                    line[i] = at(i);
                for (int i = 0; i < length; ++i) {
                    int a = 0, r = 0, g = 0, b = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const QRgb c = line[std::clamp(i + k, 0, length - 1)];
                        a += qAlpha(c);
                        r += qRed(c);
                        g += qGreen(c);
                        b += qBlue(c);
                    }
                    const int n = 2 * radius + 1;
                    at(i) = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
                }
            }
        }
    }
}

// Draws `shape` as a soft shadow: offset, blurred, with the given opacity.
void drawSoftShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, int radius,
                    const QColor &color)
{
    const QRectF bounds = shape.boundingRect().translated(offset);
    const int margin = 3 * radius + 2;
    const QRect area = bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-area.topLeft() + offset);
        p.fillPath(shape, color);
    }
    boxBlur(layer, radius, 3);
    painter.drawImage(area.topLeft(), layer);
}

// The outlines of `text` set in `font`, unhinted, with the pen starting at
// `origin` on the baseline, with `tracking` pixels added after each glyph.
QPainterPath textOutline(const QRawFont &font, const QString &text, QPointF origin, qreal tracking,
                         qreal *advance)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::SeparateAdvances | QRawFont::KernedAdvances);
    QPainterPath path;
    QPointF pen = origin;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i] + QPointF(tracking, 0.0);
    }
    if (advance)
        *advance = pen.x() - origin.x();
    return path;
}

// ---------------------------------------------------------------------------
// The banner.

// Light, slightly warm paper with a faint mottling and a fine grain.
void paintBannerBackground(QImage &image)
{
    const QColor top(252, 248, 234);
    const QColor bottom(240, 230, 200);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const QColor base = mixColor(top, bottom, static_cast<double>(y) / (image.height() - 1));
        for (int x = 0; x < image.width(); ++x) {
            const double mottle = (fractalNoise(x / 40.0, y / 22.0, 7u, 4) - 0.5) * 14.0;
            const double grain = (hashUnit(x, y, 11u) - 0.5) * 2.0 * kBackgroundGrain;
            const double shade = mottle + grain;
            row[x] = qRgb(clampByte(base.red() + shade), clampByte(base.green() + shade),
                          clampByte(base.blue() + shade * 1.2));
        }
    }
}

// A parchment texture: cream with tan clouds and a fine fibre grain.
QImage parchmentTexture(int width, int height, std::uint32_t seed)
{
    QImage texture(width, height, QImage::Format_RGB32);
    const QColor cream(246, 232, 190);
    const QColor tan(214, 178, 116);
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double cloud = fractalNoise(x / 26.0, y / 16.0, seed, 4);
            const double fibre = fractalNoise(x / 2.0, y / 9.0, seed + 5u, 2) - 0.5;
            const QColor c = mixColor(cream, tan, std::pow(std::clamp(cloud * 1.35 - 0.25, 0.0, 1.0), 1.6));
            const double grain = fibre * 16.0 + (hashUnit(x, y, seed + 9u) - 0.5) * 6.0;
            row[x] = qRgb(clampByte(c.red() + grain), clampByte(c.green() + grain), clampByte(c.blue() + grain * 0.8));
        }
    }
    return texture;
}

struct ScrollGeometry {
    QPointF center;
    qreal sheetWidth;  // between the centres of the two rolls
    qreal sheetHeight;
    qreal rollRadius;
    qreal rollOverhang; // how far a roll reaches past the sheet, top and bottom
    qreal angle;        // degrees
};

QPainterPath scrollSheetPath(const ScrollGeometry &g)
{
    const qreal x0 = -g.sheetWidth / 2;
    const qreal x1 = g.sheetWidth / 2;
    const qreal y0 = -g.sheetHeight / 2;
    const qreal y1 = g.sheetHeight / 2;
    QPainterPath path;
    path.moveTo(x0, y0);
    path.cubicTo(x0 + g.sheetWidth * 0.3, y0 + 3.0, x0 + g.sheetWidth * 0.7, y0 - 1.5, x1, y0 + 1.0);
    path.lineTo(x1, y1 - 1.0);
    path.cubicTo(x0 + g.sheetWidth * 0.7, y1 + 1.5, x0 + g.sheetWidth * 0.3, y1 - 3.0, x0, y1);
    path.closeSubpath();
    return path;
}

QPainterPath scrollRollPath(const ScrollGeometry &g, qreal cx)
{
    const qreal r = g.rollRadius;
    const qreal top = -g.sheetHeight / 2 - g.rollOverhang;
    const qreal bottom = g.sheetHeight / 2 + g.rollOverhang;
    const qreal ry = r * 0.42;
    QPainterPath path;
    path.moveTo(cx - r, top);
    path.lineTo(cx - r, bottom);
    path.arcTo(QRectF(cx - r, bottom - ry, 2 * r, 2 * ry), 180.0, 180.0);
    path.lineTo(cx + r, top);
    path.arcTo(QRectF(cx - r, top - ry, 2 * r, 2 * ry), 0.0, 180.0);
    path.closeSubpath();
    return path;
}

void drawScrollRoll(QPainter &p, const ScrollGeometry &g, qreal cx)
{
    const qreal r = g.rollRadius;
    const qreal top = -g.sheetHeight / 2 - g.rollOverhang;
    const qreal bottom = g.sheetHeight / 2 + g.rollOverhang;
    const qreal ry = r * 0.42;
    const QColor outline(84, 56, 24);

    // Wooden knobs above and below the roll.
    const qreal knobHalf = r * 0.42;
    const qreal knobLength = 6.0;
    for (int end = 0; end < 2; ++end) {
        const qreal y = end == 0 ? top - ry - knobLength + 1.0 : bottom + ry - 1.0;
        QLinearGradient wood(cx - knobHalf, 0, cx + knobHalf, 0);
        wood.setColorAt(0.0, QColor(92, 50, 20));
        wood.setColorAt(0.35, QColor(176, 110, 54));
        wood.setColorAt(1.0, QColor(70, 36, 14));
        p.setPen(QPen(QColor(52, 28, 10), 1.0));
        p.setBrush(wood);
        p.drawRoundedRect(QRectF(cx - knobHalf, y, 2 * knobHalf, knobLength), 2.0, 2.0);
    }

    // The rolled parchment as a shaded cylinder.
    QLinearGradient body(cx - r, 0, cx + r, 0);
    body.setColorAt(0.0, QColor(128, 92, 46));
    body.setColorAt(0.22, QColor(226, 198, 140));
    body.setColorAt(0.42, QColor(250, 238, 204));
    body.setColorAt(0.7, QColor(214, 178, 116));
    body.setColorAt(1.0, QColor(110, 76, 36));
    p.setPen(QPen(outline, 1.2));
    p.setBrush(body);
    p.drawPath(scrollRollPath(g, cx));

    // The top end shows the spiral of the rolled sheet.
    const QRectF cap(cx - r, top - ry, 2 * r, 2 * ry);
    p.setBrush(QColor(222, 192, 132));
    p.drawEllipse(cap);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(132, 94, 44), 1.0));
    for (qreal k = 0.68; k > 0.2; k -= 0.24) {
        p.drawEllipse(QRectF(cx - r * k, top - ry * k, 2 * r * k, 2 * ry * k));
    }
}

// A few lines of handwriting-like ink: words made of little wavy strokes.
void drawInkLines(QPainter &p, const QRectF &area, std::uint32_t seed)
{
    const QColor ink(64, 38, 20, 225);
    QPen pen(ink, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const int lines = 6;
    const qreal pitch = area.height() / lines;
    for (int line = 0; line < lines; ++line) {
        const qreal y = area.top() + pitch * (line + 0.6);
        qreal x = area.left() + (line == 0 ? 14.0 : 0.0);
        const qreal right = area.right() - (line == lines - 1 ? area.width() * 0.45 : 0.0);
        int word = 0;
        while (x < right - 6.0) {
            const qreal length = std::min(6.0 + 16.0 * hashUnit(line, word, seed), right - x);
            QPainterPath stroke;
            stroke.moveTo(x, y);
            const int steps = std::max(2, static_cast<int>(length / 1.5));
            for (int s = 1; s <= steps; ++s) {
                const qreal t = static_cast<qreal>(s) / steps;
                const qreal wobble = std::sin((x + t * length) * 1.7 + line) * 1.3 +
                                     (hashUnit(line * 97 + s, word, seed + 3u) - 0.5) * 1.2;
                stroke.lineTo(x + t * length, y + wobble);
            }
            p.strokePath(stroke, pen);
            x += length + 4.0 + 2.0 * hashUnit(word, line, seed + 1u);
            ++word;
        }
    }
    // An illuminated red initial at the start of the first line.
    const QRectF initial(area.left(), area.top() + pitch * 0.6 - 6.5, 10.0, 11.0);
    p.setPen(QPen(QColor(110, 16, 12), 1.0));
    p.setBrush(QColor(196, 36, 28));
    p.drawRoundedRect(initial, 1.5, 1.5);
    p.setPen(QPen(QColor(250, 226, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(initial.center() + QPointF(0, -3.0), initial.center() + QPointF(0, 3.0));
}

void drawBannerScroll(QPainter &p, const ScrollGeometry &g)
{
    QTransform place;
    place.translate(g.center.x(), g.center.y());
    place.rotate(g.angle);

    const QPainterPath sheet = scrollSheetPath(g);
    QPainterPath silhouette = sheet;
    silhouette.addPath(scrollRollPath(g, -g.sheetWidth / 2));
    silhouette.addPath(scrollRollPath(g, g.sheetWidth / 2));
    silhouette.setFillRule(Qt::WindingFill);
    drawSoftShadow(p, place.map(silhouette), QPointF(4.0, 4.0), 2, QColor(60, 40, 10, 110));

    p.save();
    p.setTransform(place);

    // The sheet, with darkened, slightly burnt edges.
    const QImage texture = parchmentTexture(192, 128, 23u);
    QBrush parchment(texture);
    parchment.setTransform(QTransform::fromTranslate(-96.0, -64.0));
    p.setPen(Qt::NoPen);
    p.setBrush(parchment);
    p.drawPath(sheet);
    p.save();
    p.setClipPath(sheet);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 100, 40, 60), 10.0));
    p.drawPath(sheet);
    p.setPen(QPen(QColor(120, 76, 30, 80), 4.0));
    p.drawPath(sheet);
    p.restore();
    p.setPen(QPen(QColor(110, 74, 34), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sheet);

    const QRectF writing(-g.sheetWidth / 2 + g.rollRadius + 6.0, -g.sheetHeight / 2 + 6.0,
                         g.sheetWidth - 2 * g.rollRadius - 12.0, g.sheetHeight - 12.0);
    drawInkLines(p, writing, 41u);

    drawScrollRoll(p, g, -g.sheetWidth / 2);
    drawScrollRoll(p, g, g.sheetWidth / 2);
    p.restore();
}

void drawBannerTitle(QPainter &p, const QRectF &area)
{
    const QString first = QStringLiteral("tavo");
    const QString second = QStringLiteral("reno");

    // Fit the title into `area`, as large as the height allows.
    const qreal trackingPerEm = -0.02;
    QRawFont probe(QString::fromLatin1(kTitleFontFile), 100.0, QFont::PreferNoHinting);
    const QPainterPath whole = textOutline(probe, first + second, QPointF(), 100.0 * trackingPerEm, nullptr);
    const QRectF probeBox = whole.boundingRect();
    const qreal scale = std::min(area.width() / probeBox.width(), area.height() / probeBox.height());
    const qreal pixelSize = std::floor(100.0 * scale);

    QRawFont font(QString::fromLatin1(kTitleFontFile), pixelSize, QFont::PreferNoHinting);
    const qreal tracking = pixelSize * trackingPerEm;
    qreal firstAdvance = 0;
    QPainterPath green = textOutline(font, first, QPointF(), tracking, &firstAdvance);
    QPainterPath red = textOutline(font, second, QPointF(firstAdvance, 0), tracking, nullptr);
    QPainterPath all = green;
    all.addPath(red);
    const QRectF box = all.boundingRect();
    const QPointF shift(std::round(area.center().x() - box.center().x()),
                        std::round(area.center().y() - box.center().y()));
    green.translate(shift);
    red.translate(shift);
    all.translate(shift);
    std::fprintf(stderr, "make_pictures: title %.0f px font, box %.0f x %.0f px at (%.0f, %.0f)\n",
                 pixelSize, all.boundingRect().width(), all.boundingRect().height(),
                 all.boundingRect().left(), all.boundingRect().top());

    drawSoftShadow(p, all, QPointF(3.0, 3.0), 2, QColor(40, 30, 10, 120));

    const QRectF b = all.boundingRect();
    struct Part {
        const QPainterPath *path;
        QColor light, dark, edge;
    };
    const Part parts[] = {
        {&green, QColor(58, 170, 70), QColor(12, 96, 34), QColor(6, 52, 18)},
        {&red, QColor(232, 60, 46), QColor(150, 14, 14), QColor(80, 6, 6)},
    };
    for (const Part &part : parts) {
        QLinearGradient fill(0, b.top(), 0, b.bottom());
        fill.setColorAt(0.0, part.light);
        fill.setColorAt(1.0, part.dark);
        p.setPen(QPen(part.edge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(*part.path);
    }
}

// A raised bevel: light on the top and left, dark on the bottom and right,
// with a thin sunken line where it meets the inner area.
void paintBevel(QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    const QColor lights[kBevelWidth] = {QColor(255, 252, 240), QColor(246, 236, 206), QColor(230, 214, 172),
                                        QColor(214, 194, 146), QColor(120, 96, 56)};
    const QColor darks[kBevelWidth] = {QColor(58, 42, 20), QColor(98, 76, 42), QColor(140, 114, 70),
                                       QColor(176, 152, 104), QColor(255, 250, 232)};
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int lightSide = std::min(x, y);
            const int darkSide = std::min(w - 1 - x, h - 1 - y);
            const int depth = std::min(lightSide, darkSide);
            if (depth >= kBevelWidth)
                continue;
            row[x] = (lightSide < darkSide ? lights[depth] : darks[depth]).rgb();
        }
    }
}

QImage banner()
{
    QImage image(kBannerWidth, kBannerHeight, QImage::Format_RGB32);
    paintBannerBackground(image);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const ScrollGeometry scroll{QPointF(77.0, 58.5), 110.0, 68.0, 9.0, 5.0, -4.0};
        drawBannerScroll(p, scroll);
        drawBannerTitle(p, QRectF(154.0, 12.0, kBannerWidth - 154.0 - 16.0, kBannerHeight - 24.0));
    }
    paintBevel(image);
    return image;
}

// ---------------------------------------------------------------------------
// The icon: a hand writing with a pencil on a paper scroll. Drawn in a
// 256 x 256 design space and scaled to the requested size.

void drawIcon(QPainter &p, int size)
{
    const qreal unitsPerPixel = 256.0 / size;
    const qreal outlinePx = std::max(1.1, size / 44.0);
    const qreal ow = outlinePx * unitsPerPixel;
    p.scale(1.0 / unitsPerPixel, 1.0 / unitsPerPixel);

    const QColor paperOutline(96, 64, 26);
    const QColor darkOutline(58, 34, 16);

    // --- The scroll: a sheet between two rolls, top and bottom.
    const QRectF sheet(44.0, 46.0, 160.0, 168.0);
    QLinearGradient sheetFill(sheet.topLeft(), sheet.bottomRight());
    sheetFill.setColorAt(0.0, QColor(255, 248, 222));
    sheetFill.setColorAt(1.0, QColor(240, 222, 176));
    p.setPen(QPen(paperOutline, ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(sheetFill);
    p.drawRect(sheet);

    // Lines of writing; the last one is still being written.
    // At 32 x 32 they fall on pixel centres, one pixel wide.
    p.setPen(QPen(QColor(44, 48, 92), std::max(ow, 8.0), Qt::SolidLine, Qt::FlatCap));
    const qreal lineEnds[] = {184.0, 168.0, 180.0, 112.0};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 92.0 + 24.0 * i;
        p.drawLine(QPointF(64.0, y), QPointF(lineEnds[i], y));
    }

    for (int end = 0; end < 2; ++end) {
        const QRectF roll(30.0, end == 0 ? 26.0 : 200.0, 188.0, 32.0);
        QLinearGradient rollFill(0, roll.top(), 0, roll.bottom());
        rollFill.setColorAt(0.0, QColor(255, 246, 214));
        rollFill.setColorAt(0.45, QColor(236, 210, 150));
        rollFill.setColorAt(1.0, QColor(176, 130, 64));
        p.setPen(QPen(paperOutline, ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(rollFill);
        p.drawRoundedRect(roll, 16.0, 16.0);
        // The rolled end shows as a small spiral on the left.
        p.setBrush(QColor(206, 166, 100));
        p.drawEllipse(QRectF(roll.left(), roll.top(), 24.0, roll.height()));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(roll.left() + 7.0, roll.top() + 9.0, 10.0, roll.height() - 18.0));
    }

    // --- The pencil, in its own frame: x from the tip towards the eraser,
    // y across, positive towards the hand.
    QTransform frame;
    frame.translate(112.0, 168.0);
    frame.rotate(-48.0);
    p.save();
    p.setTransform(frame, true);

    const qreal hw = 15.0;
    QPainterPath pencil;
    pencil.moveTo(0.0, 0.0);
    pencil.lineTo(40.0, -hw);
    pencil.lineTo(200.0, -hw);
    pencil.arcTo(QRectF(192.0, -hw, 16.0, 2 * hw), 90.0, -180.0);
    pencil.lineTo(40.0, hw);
    pencil.closeSubpath();

    p.setPen(Qt::NoPen);
    // Yellow body, three facets.
    p.setBrush(QColor(255, 226, 102));
    p.drawRect(QRectF(38.0, -hw, 140.0, 10.0));
    p.setBrush(QColor(246, 194, 24));
    p.drawRect(QRectF(38.0, -5.0, 140.0, 10.0));
    p.setBrush(QColor(214, 156, 0));
    p.drawRect(QRectF(38.0, 5.0, 140.0, 10.0));
    // Sharpened wood and graphite.
    QPainterPath wood;
    wood.moveTo(0.0, 0.0);
    wood.lineTo(40.0, -hw);
    wood.lineTo(40.0, hw);
    wood.closeSubpath();
    p.setBrush(QColor(236, 196, 140));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(0.0, 0.0);
    lead.lineTo(14.0, -5.25);
    lead.lineTo(14.0, 5.25);
    lead.closeSubpath();
    p.setBrush(QColor(52, 52, 60));
    p.drawPath(lead);
    // Metal ferrule and pink eraser.
    QLinearGradient metal(0, -hw, 0, hw);
    metal.setColorAt(0.0, QColor(236, 236, 240));
    metal.setColorAt(1.0, QColor(130, 130, 140));
    p.setBrush(metal);
    p.drawRect(QRectF(178.0, -hw, 16.0, 2 * hw));
    p.setBrush(QColor(240, 130, 150));
    p.drawChord(QRectF(186.0, -hw, 22.0, 2 * hw), 90 * 16, -180 * 16);
    p.drawRect(QRectF(194.0, -hw, 4.0, 2 * hw));
    p.setPen(QPen(darkOutline, ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pencil);

    // --- The hand, gripping the pencil: index finger along the near side,
    // thumb on the far side, the curled fist behind.
    auto capsule = [](QPointF a, QPointF b, qreal radius) {
        QPainterPath path;
        const QPointF d = b - a;
        const qreal length = std::hypot(d.x(), d.y());
        const qreal angle = std::atan2(d.y(), d.x()) * 180.0 / 3.14159265358979323846;
        QPainterPath local;
        local.addRoundedRect(QRectF(-radius, -radius, length + 2 * radius, 2 * radius), radius, radius);
        QTransform t;
        t.translate(a.x(), a.y());
        t.rotate(angle);
        path.addPath(t.map(local));
        return path;
    };
    QPainterPath fist;
    fist.addEllipse(QPointF(104.0, 38.0), 44.0, 38.0);
    QPainterPath hand = fist;
    hand = hand.united(capsule(QPointF(24.0, 12.0), QPointF(86.0, 16.0), 12.5));
    hand = hand.united(capsule(QPointF(52.0, -20.0), QPointF(104.0, -14.0), 12.0));
    hand = hand.united(capsule(QPointF(110.0, 40.0), QPointF(190.0, 70.0), 30.0));

    QLinearGradient skin(0, -30.0, 0, 80.0);
    skin.setColorAt(0.0, QColor(252, 214, 178));
    skin.setColorAt(1.0, QColor(226, 160, 116));
    p.setPen(QPen(darkOutline, ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(skin);
    p.drawPath(hand);

    // Finger creases and the thumbnail.
    QPen crease(QColor(124, 66, 38), ow * 0.8, Qt::SolidLine, Qt::RoundCap);
    p.setPen(crease);
    p.setBrush(Qt::NoBrush);
    QPainterPath creases;
    creases.moveTo(72.0, 28.0);
    creases.quadTo(86.0, 40.0, 80.0, 58.0);
    creases.moveTo(92.0, 46.0);
    creases.quadTo(100.0, 58.0, 96.0, 72.0);
    p.drawPath(creases);
    p.setPen(QPen(QColor(150, 84, 50), ow * 0.6));
    p.setBrush(QColor(255, 230, 214));
    p.drawEllipse(QPointF(46.0, -20.0), 6.0, 7.0);

    // Shirt cuff and sleeve, covering the wrist.
    QPainterPath sleeve;
    sleeve.addRoundedRect(QRectF(-40.0, -46.0, 200.0, 92.0), 10.0, 10.0);
    QTransform sleeveFrame;
    sleeveFrame.translate(168.0, 66.0);
    sleeveFrame.rotate(20.0);
    const QPainterPath sleevePath = sleeveFrame.map(sleeve);
    QLinearGradient cloth(0, -10.0, 0, 120.0);
    cloth.setColorAt(0.0, QColor(94, 132, 206));
    cloth.setColorAt(1.0, QColor(40, 70, 140));
    p.setPen(QPen(QColor(22, 36, 76), ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cloth);
    p.drawPath(sleevePath);
    p.restore();
}

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawIcon(p, size);
    p.end();
    return image;
}

// A palette of at most `limit` colours for the opaque pixels of `image`,
// by median cut over the distinct colours weighted by their pixel counts.
QList<QRgb> medianCutPalette(const QImage &image, int limit)
{
    struct Entry {
        QRgb color;
        int count;
    };
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 255)
                ++counts[row[x]];
        }
    }
    std::vector<Entry> entries;
    for (const auto &[color, count] : counts)
        entries.push_back({color, count});

    using Box = std::pair<std::size_t, std::size_t>; // [first, last) in entries
    std::vector<Box> boxes{{0, entries.size()}};
    auto channel = [](QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); };
    auto widest = [&](const Box &box, int *which) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (std::size_t i = box.first; i < box.second; ++i) {
                lo = std::min(lo, channel(entries[i].color, k));
                hi = std::max(hi, channel(entries[i].color, k));
            }
            if (hi - lo > best) {
                best = hi - lo;
                *which = k;
            }
        }
        return best;
    };
    while (static_cast<int>(boxes.size()) < limit) {
        // Split the box with the widest spread, weighted by its pixel count.
        std::size_t chosen = boxes.size();
        double chosenScore = 0.0;
        int chosenChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].second - boxes[b].first < 2)
                continue;
            int k = 0;
            const int spread = widest(boxes[b], &k);
            int pixels = 0;
            for (std::size_t i = boxes[b].first; i < boxes[b].second; ++i)
                pixels += entries[i].count;
            const double score = spread * std::sqrt(static_cast<double>(pixels));
            if (score > chosenScore) {
                chosenScore = score;
                chosen = b;
                chosenChannel = k;
            }
        }
        if (chosen == boxes.size())
            break;
        const Box box = boxes[chosen];
        std::stable_sort(entries.begin() + static_cast<std::ptrdiff_t>(box.first),
                         entries.begin() + static_cast<std::ptrdiff_t>(box.second),
                         [&](const Entry &l, const Entry &r) {
                             return channel(l.color, chosenChannel) < channel(r.color, chosenChannel);
                         });
        int total = 0;
        for (std::size_t i = box.first; i < box.second; ++i)
            total += entries[i].count;
        std::size_t split = box.first + 1;
        for (int seen = entries[box.first].count; split < box.second - 1 && 2 * seen < total; ++split)
            seen += entries[split].count;
        boxes[chosen] = {box.first, split};
        boxes.push_back({split, box.second});
    }

    QList<QRgb> palette;
    for (const Box &box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (std::size_t i = box.first; i < box.second; ++i) {
            r += qRed(entries[i].color) * double(entries[i].count);
            g += qGreen(entries[i].color) * double(entries[i].count);
            b += qBlue(entries[i].color) * double(entries[i].count);
            n += entries[i].count;
        }
        if (n > 0)
            palette.append(qRgb(clampByte(r / n), clampByte(g / n), clampByte(b / n)));
    }
    return palette;
}

// The 32 x 32 icon with at most 256 colours and one-bit transparency.
QImage palettisedIcon()
{
    QImage image = iconImage(kIconSize).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qAlpha(row[x]) < 128 ? qRgba(0, 0, 0, 0) : (row[x] | 0xff000000u);
    }
    // Entry 0 is the transparent one (black in the .ico's palette).
    QList<QRgb> palette = medianCutPalette(image, 255);
    palette.prepend(qRgba(0, 0, 0, 0));
    return image.convertToFormat(QImage::Format_Indexed8, palette,
                                 Qt::ThresholdDither | Qt::ThresholdAlphaDither | Qt::AvoidDither);
}

// ---------------------------------------------------------------------------
// The Windows icon file.

void putU16(QByteArray &out, unsigned v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void putU32(QByteArray &out, std::uint32_t v)
{
    putU16(out, v & 0xffff);
    putU16(out, v >> 16);
}

// One 32 x 32 8-bit palettised image: ICONDIR, ICONDIRENTRY,
// BITMAPINFOHEADER (height doubled for the mask), 256-entry palette, the
// XOR bitmap bottom-up, then the AND mask (1 = transparent) bottom-up.
QByteArray windowsIcon(const QImage &indexed)
{
    const int w = indexed.width();
    const int h = indexed.height();
    const QList<QRgb> table = indexed.colorTable();
    const int maskStride = ((w + 31) / 32) * 4;
    const int xorStride = ((w + 3) / 4) * 4;
    const std::uint32_t imageBytes = 40u + 256u * 4u + static_cast<std::uint32_t>(xorStride * h + maskStride * h);

    QByteArray out;
    putU16(out, 0); // reserved
    putU16(out, 1); // type: icon
    putU16(out, 1); // one image
    out.append(static_cast<char>(w));
    out.append(static_cast<char>(h));
    out.append('\0'); // colour count: 0 for 256 colours
    out.append('\0'); // reserved
    putU16(out, 1);   // planes
    putU16(out, 8);   // bits per pixel
    putU32(out, imageBytes);
    putU32(out, 6 + 16);

    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(w));
    putU32(out, static_cast<std::uint32_t>(2 * h));
    putU16(out, 1);
    putU16(out, 8);
    putU32(out, 0); // BI_RGB
    putU32(out, static_cast<std::uint32_t>(xorStride * h + maskStride * h));
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 256);
    putU32(out, 0);

    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0u;
        const bool clear = qAlpha(c) == 0;
        out.append(static_cast<char>(clear ? 0 : qBlue(c)));
        out.append(static_cast<char>(clear ? 0 : qGreen(c)));
        out.append(static_cast<char>(clear ? 0 : qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        const uchar *row = indexed.constScanLine(y);
        for (int x = 0; x < xorStride; ++x)
            out.append(static_cast<char>(x < w ? row[x] : 0));
    }
    for (int y = h - 1; y >= 0; --y) {
        const uchar *row = indexed.constScanLine(y);
        QByteArray bits(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(table[row[x]]) == 0)
                bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(bits);
    }
    return out;
}

// ---------------------------------------------------------------------------

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT-DIR-FOR-CONTENT-IMAGES PACKAGING-DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString contentDir = QString::fromLocal8Bit(argv[1]);
    const QString packagingDir = QString::fromLocal8Bit(argv[2]);

    if (!QFile::exists(QString::fromLatin1(kTitleFontFile))) {
        std::fprintf(stderr, "make_pictures: %s is missing (install fonts-liberation)\n", kTitleFontFile);
        return 1;
    }

    QString error;
    const QByteArray jpeg = pictures::encodeJpeg(banner(), kBannerQuality, &error);
    if (jpeg.isEmpty()) {
        std::fprintf(stderr, "make_pictures: JPEG: %s\n", qPrintable(error));
        return 1;
    }
    bool ok = writeFile(contentDir + QStringLiteral("/banner.jpg"), jpeg);

    const QImage icon = palettisedIcon();
    if (icon.colorCount() > 256) {
        std::fprintf(stderr, "make_pictures: icon has %d colours\n", static_cast<int>(icon.colorCount()));
        return 1;
    }
    ok = writeFile(contentDir + QStringLiteral("/icon.png"), pngBytes(icon)) && ok;
    ok = writeFile(packagingDir + QStringLiteral("/tavoreno.ico"), windowsIcon(icon)) && ok;
    for (int size : kHicolorSizes) {
        const QString path = QStringLiteral("%1/icons/hicolor/%2x%2/apps/tavoreno.png").arg(packagingDir).arg(size);
        ok = writeFile(path, pngBytes(iconImage(size))) && ok;
    }
    std::fprintf(stderr, "make_pictures: banner.jpg %lld bytes (quality %d), icon palette %d entries\n",
                 static_cast<long long>(jpeg.size()), kBannerQuality, static_cast<int>(icon.colorCount()));
    return ok ? 0 : 1;
}
