#include "appearance/qt/sample_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace lumivane {
namespace {

// The classic scheme the picture was taken with.
const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kTitleFrom(0, 0, 128);
const QColor kTitleTo(16, 132, 208);

void drawFrame(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void drawFolderIcon(QPainter& p, int x, int y) {
    p.setPen(QColor(128, 96, 0));
    p.setBrush(QColor(240, 208, 96));
    p.drawRect(x, y + 4, 22, 15);
    p.drawRect(x, y + 1, 9, 3);
    p.setBrush(QColor(255, 232, 136));
    p.drawRect(x + 2, y + 7, 22, 13);
}

void drawSmallFolderIcon(QPainter& p, int x, int y) {
    p.setPen(QColor(128, 96, 0));
    p.setBrush(QColor(255, 232, 136));
    p.drawRect(x, y + 2, 13, 9);
    p.drawRect(x, y, 5, 2);
}

} // namespace

QPixmap SampleExplorerPicture() {
    QPixmap picture(266, 193);
    picture.fill(kFace);
    QPainter p(&picture);
    const QRect outer = picture.rect().adjusted(0, 0, -1, -1);
    drawFrame(p, outer, Qt::white, Qt::black);
    drawFrame(p, outer.adjusted(1, 1, -1, -1), kFace.lighter(110), kShadow);

    // Title bar with the folder's name and the three window buttons.
    QLinearGradient title(3, 0, 262, 0);
    title.setColorAt(0, kTitleFrom);
    title.setColorAt(1, kTitleTo);
    p.fillRect(QRect(3, 3, 260, 18), title);
    QFont bold = p.font();
    bold.setBold(true);
    bold.setPixelSize(11);
    p.setFont(bold);
    drawSmallFolderIcon(p, 6, 5);
    p.setPen(Qt::white);
    p.drawText(QRect(24, 3, 120, 18), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Temp"));
    for (int i = 0; i < 3; ++i) {
        const QRect box(213 + i * 16, 5, 14, 13);
        p.fillRect(box, kFace);
        drawFrame(p, box, Qt::white, Qt::black);
    }

    // Menu bar and address bar (the colour changer lays its own toolbar over this area).
    p.fillRect(QRect(3, 23, 260, 54), kFace);
    drawFrame(p, QRect(3, 23, 260, 26), Qt::white, kShadow);
    drawFrame(p, QRect(3, 50, 260, 26), Qt::white, kShadow);
    p.fillRect(QRect(75, 54, 172, 19), Qt::white);
    drawFrame(p, QRect(75, 54, 172, 19), kShadow, Qt::white);

    // The left information panel: the folder's name over a fading band and a rule.
    const QRect panel(3, 79, 148, 111);
    QLinearGradient band(panel.topLeft(), panel.topRight());
    band.setColorAt(0, QColor(96, 128, 208));
    band.setColorAt(1, Qt::white);
    p.fillRect(panel, Qt::white);
    p.fillRect(QRect(panel.left(), panel.top(), panel.width(), 40), band);
    drawFolderIcon(p, 8, 86);
    bold.setPixelSize(16);
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 110, 140, 22), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Temp"));
    QLinearGradient rule(8, 0, 140, 0);
    rule.setColorAt(0, QColor(0, 64, 192));
    rule.setColorAt(1, Qt::white);
    p.fillRect(QRect(8, 134, 132, 2), rule);
    QFont small = p.font();
    small.setBold(false);
    small.setPixelSize(9);
    p.setFont(small);
    p.setPen(QColor(64, 64, 64));
    p.drawText(QRect(8, 142, 140, 40), Qt::TextWordWrap,
               QStringLiteral("Select an item to view its description."));

    // The file list with a few folders.
    const QRect list(152, 79, 111, 111);
    p.fillRect(list, Qt::white);
    drawFrame(p, list, kShadow, Qt::white);
    for (int i = 0; i < 4; ++i)
        drawFolderIcon(p, 160 + (i % 2) * 50, 86 + (i / 2) * 48);
    p.setPen(Qt::black);
    p.setFont(small);
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(150 + (i % 2) * 50, 110 + (i / 2) * 48, 46, 12), Qt::AlignCenter,
                   QStringLiteral("New %1").arg(i + 1));
    return picture;
}

QPixmap ToolbarGripPicture(int height) {
    QPixmap grip(3, height);
    grip.fill(kFace);
    QPainter p(&grip);
    drawFrame(p, grip.rect().adjusted(0, 0, -1, -1), Qt::white, kShadow);
    return grip;
}

QPixmap ToolbarSeparatorPicture(int width) {
    QPixmap line(width, 2);
    QPainter p(&line);
    p.fillRect(QRect(0, 0, width, 1), kShadow);
    p.fillRect(QRect(0, 1, width, 1), Qt::white);
    return line;
}

} // namespace lumivane
