#include "ui/tree/tree_icons.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

#include <functional>

namespace tarvo::ui {

namespace {

const QColor kTransparent(255, 0, 255);
const QColor kOutline(64, 64, 64);
const QColor kPaper(250, 250, 245);
const QColor kFolder(230, 190, 80);
const QColor kFolderDark(190, 145, 40);
const QColor kAccent(40, 90, 170);

void drawRoot(QPainter& p) // a stack of two pages
{
    p.setPen(kOutline);
    p.setBrush(kPaper.darker(110));
    p.drawRect(4, 1, 10, 12);
    p.setBrush(kPaper);
    p.drawRect(1, 3, 10, 12);
    p.setPen(kAccent);
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(3, y, 9, y);
}

void drawTable(QPainter& p) // a sheet with a grid
{
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, kAccent);
    p.setPen(kOutline.lighter(170));
    for (int y = 8; y < 14; y += 3)
        p.drawLine(2, y, 13, y);
    p.drawLine(6, 6, 6, 13);
}

void drawFolder(QPainter& p, bool open)
{
    p.setPen(kOutline);
    p.setBrush(kFolderDark);
    p.drawRect(1, 3, 6, 2);
    p.drawRect(1, 4, 13, 10);
    p.setBrush(kFolder);
    if (open) {
        const QPoint flap[] = {{3, 7}, {15, 7}, {13, 14}, {1, 14}};
        p.drawPolygon(flap, 4);
    } else {
        p.drawRect(1, 6, 13, 8);
    }
}

void drawMenu(QPainter& p) // a list of softkey lines
{
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawRect(2, 1, 11, 14);
    for (int y = 4; y <= 12; y += 3) {
        p.fillRect(4, y, 2, 2, kAccent);
        p.setPen(kOutline.lighter(150));
        p.drawLine(7, y + 1, 11, y + 1);
    }
}

void drawKey(QPainter& p) // a keyboard key
{
    p.setPen(kOutline);
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(1, 2, 13, 12, 2, 2);
    p.setBrush(QColor(235, 235, 240));
    p.drawRoundedRect(3, 3, 9, 8, 1, 1);
    p.setPen(kAccent);
    p.drawLine(6, 5, 6, 9);
    p.drawLine(6, 9, 9, 9);
}

QIcon makeIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kTreeIconPixels, kTreeIconPixels);
    pixmap.fill(kTransparent);
    {
        QPainter painter(&pixmap);
        draw(painter);
    }
    pixmap.setMask(pixmap.createMaskFromColor(kTransparent, Qt::MaskInColor));
    return QIcon(pixmap);
}

} // namespace

const QList<QIcon>& treeIcons()
{
    static const QList<QIcon> icons = {
        makeIcon(drawRoot),
        makeIcon(drawTable),
        makeIcon([](QPainter& p) { drawFolder(p, false); }),
        makeIcon([](QPainter& p) { drawFolder(p, true); }),
        makeIcon(drawMenu),
        makeIcon(drawKey),
    };
    return icons;
}

} // namespace tarvo::ui
