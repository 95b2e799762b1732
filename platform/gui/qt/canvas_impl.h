#pragma once

// The state behind a TCanvas; for the layer's own sources only.

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/qt_bridge.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <optional>
#include <span>

struct TCanvas::Impl
{
    explicit Impl(TCanvas& owner);

    // Binds the canvas to a painter it does not own (a window being painted); Detach lets go of it.
    void Attach(QPainter* painter);
    void Detach();
    // Binds the canvas to an image it paints on through a painter of its own, begun when first needed.
    void SetImage(QImage* image);
    // Ends the canvas's own painter so the image can be replaced or read as a whole.
    void ReleaseImagePainter();

    // The painter ready for drawing with the canvas state applied, or nullptr without a surface.
    QPainter* Painter();
    QPainter* PenPainter();   // composition from the pen mode; nullptr for pmNop
    QPainter* BrushPainter(); // plain copy
    // For pictures: a plain copy, scaled smoothly on an antialiased canvas and pixel by pixel otherwise.
    QPainter* PicturePainter();
    QBrush Brush();
    // Fills with the brush; plain solid brushes take the painter's fast path for colours.
    void FillWithBrush(QPainter* p, const QRect& rect);
    QPen Pen();
    const QFont& Font();
    QFontMetrics Metrics();
    const TFontFace& Face();
    // Puts the canvas font on the painter unless it is there already.
    void ApplyFont(QPainter* p);
    // The pen position, once a pending text advance is measured.
    TPoint& PenPos();
    // Text output moves the pen by the text's width in the font it was drawn with; measuring is left
    // until the position is wanted, as it costs as much as shaping the text again.
    void AdvancePenPast(int x, int y, const QString& text);
    void ApplyClip();
    // Logical to the canvas's device pixels, in which clip regions are kept (before the handed-over
    // painter's own transform), and logical to the painter's device.
    QTransform ToCanvasDevice() const;
    QTransform ToDevice() const;

    struct SavedState
    {
        std::optional<QRegion> clip;
        QPoint windowOrg;
        QPoint brushOrg;
        int bkMode;
        TColor bkColor;
        TColor textColor;
        unsigned textAlign;
        // The drawing tools selected when the state was saved (shared: a state record is copied around).
        std::shared_ptr<const TFont> font;
        std::shared_ptr<const TPen> pen;
        std::shared_ptr<const TBrush> brush;
    };

    TCanvas& owner;
    TFont font;
    TPen pen;
    TBrush brush;
    TPoint penPos;
    TCopyMode copyMode = cmSrcCopy;
    bool antialiased = false;

    QPainter* painter = nullptr;
    std::unique_ptr<QPainter> ownPainter;
    QImage* image = nullptr;
    QTransform base;
    std::optional<QRegion> baseClip;
    std::optional<QRegion> clip; // device pixels
    QPoint windowOrg;
    QPoint brushOrg; // device pixels
    int bkMode = OPAQUE;
    TColor bkColor = clWhite;
    TColor textColor = clWindowText;
    unsigned textAlign = 0;
    std::vector<SavedState> saved;

    bool penDirty = true;
    bool brushDirty = true;
    bool fontDirty = true;
    QPen qpen;
    std::optional<QBrush> qbrush; // made when first wanted after a change
    bool solidBrush = true;
    QColor brushColor;
    std::shared_ptr<const TFontFace> face; // the font's, once wanted after a change
    struct PendingAdvance
    {
        QString text;
        std::shared_ptr<const TFontFace> face;
    };
    std::optional<PendingAdvance> pendingAdvance;

private:
    void RefreshBrush();
};

// Draws text at (x, y) as the text-out routines do: aligned by the canvas's text alignment, the background
// filled per the background mode, rotated by the font orientation; with advances (one per code point),
// each character where they put it.
void CanvasTextOut(TCanvas::Impl& canvas, int x, int y, const QString& text,
                   std::span<const int> advances = {});
