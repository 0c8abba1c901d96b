// The list of skin pictures: name, logical size, file kind and the code
// that draws it. Each themed source file contributes its own pictures.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <functional>
#include <vector>

namespace skin {

struct Picture {
    QString name;      // file name without extension, e.g. "tile_hover"
    int width;         // logical size in pixels
    int height;
    bool png;          // PNG (sharp edges, transparency) or JPEG
    std::function<void(QPainter &, const QSizeF &)> draw;
};

using Pictures = std::vector<Picture>;

void addChromePictures(Pictures &out);    // frame, bars, caption buttons
void addIconPictures(Pictures &out);      // icon-row buttons and the chat button
void addServerPictures(Pictures &out);    // tiles, headers, game icons, address panels
void addEmblemPictures(Pictures &out);    // crest, application icon, flags, dialogs
void addPanelPictures(Pictures &out);     // news, status and statistics frames, buttons

Pictures allPictures();

// Writes the seven sound cues into `dir`; returns the file names written.
QStringList writeSounds(const QString &dir);

} // namespace skin
