#include "services/controls.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "services/form.h"

namespace svc {

bool Control::shown() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::changed() {
  // What cannot be seen does not change the window's picture.
  if (form_ && shown()) form_->changed();
}

void Control::move(int left, int top) {
  if (left == left_ && top == top_) return;
  left_ = left;
  top_ = top;
  changed();
}

void Control::resize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  changed();
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (form_) form_->changed();
}

void Control::paint(Surface& target, int x, int y, Clip clip) const {
  paintChildren(target, x, y, clip);
}

void Control::paintChildren(Surface& target, int x, int y, Clip clip) const {
  // Children are clipped to this control's rectangle.
  const Clip inner{std::max(clip.x0, x), std::max(clip.y0, y), std::min(clip.x1, x + width_),
                   std::min(clip.y1, y + height_)};
  if (inner.x0 >= inner.x1 || inner.y0 >= inner.y1) return;
  for (const Control* c : children_)
    if (c->visible()) c->paint(target, x + c->left(), y + c->top(), inner);
}

namespace {

// Copies image pixels to target at (x, y), limited to the control size and the clip.
void blitClipped(Surface& target, const Image& img, int x, int y, int w, int h,
                 Control::Clip clip) {
  w = std::min(w, img.width);
  h = std::min(h, img.height);
  const int x0 = std::max(clip.x0, x), y0 = std::max(clip.y0, y);
  const int x1 = std::min(clip.x1, x + w), y1 = std::min(clip.y1, y + h);
  if (x0 >= x1 || y0 >= y1) return;
  for (int ty = y0; ty < y1; ++ty)
    std::memcpy(target.row(ty) + x0, img.pixels.data() + size_t(ty - y) * img.width + (x0 - x),
                sizeof(Colour) * (x1 - x0));
}

void fillClipped(Surface& target, int x, int y, int w, int h, Colour c, Control::Clip clip) {
  const int x0 = std::max(clip.x0, x), y0 = std::max(clip.y0, y);
  const int x1 = std::min(clip.x1, x + w), y1 = std::min(clip.y1, y + h);
  // Nothing left after clipping (a focused field's caret outside a page that slid away).
  if (x0 >= x1) return;
  for (int ty = y0; ty < y1; ++ty) std::fill(target.row(ty) + x0, target.row(ty) + x1, c);
}

Colour mix(Colour under, Colour over, unsigned a) {
  auto ch = [&](unsigned u, unsigned o) { return (u * (255 - a) + o * a + 127) / 255; };
  return rgb(ch(red(under), red(over)), ch(green(under), green(over)), ch(blue(under), blue(over)));
}

}  // namespace

void drawCoverage(Surface& target, const Coverage& c, int x, int y, Colour colour,
                  Control::Clip clip) {
  const int x0 = std::max(clip.x0, x), y0 = std::max(clip.y0, y);
  const int x1 = std::min(clip.x1, x + c.width), y1 = std::min(clip.y1, y + c.height);
  for (int ty = y0; ty < y1; ++ty) {
    Colour* row = target.row(ty);
    const std::uint8_t* a = c.alpha.data() + size_t(ty - y) * c.width - x;
    for (int tx = x0; tx < x1; ++tx)
      if (a[tx]) row[tx] = a[tx] == 255 ? colour : mix(row[tx], colour, a[tx]);
  }
}

void PictureBox::resize(int width, int height) {
  Control::resize(width, height);
  if (surface_.width() != this->width() || surface_.height() != this->height())
    surface_.resize(this->width(), this->height());
}

void PictureBox::setPicture(ImagePtr picture, const std::string& file) {
  if (autoSize && picture) Control::resize(picture->width, picture->height);
  if (picture && picture->width == width() && picture->height == height()) {
    surface_.setPicture(std::move(picture), true);  // shown as it is, nothing to allocate
  } else {
    if (surface_.width() != width() || surface_.height() != height())
      surface_ = Surface(width(), height(), surface_.background());
    surface_.setPicture(std::move(picture), false);
  }
  setPictureFile(file);
  changed();
}

void PictureBox::releasePicture() {
  surface_.releasePicture();
  setPictureFile("");
  changed();
}

void PictureBox::paint(Surface& target, int x, int y, Clip clip) const {
  if (!transparent) blitClipped(target, surface_.image(), x, y, width(), height(), clip);
  paintChildren(target, x, y, clip);
}

void ImageBox::setPicture(ImagePtr picture, const std::string& file) {
  if (picture && !stretch) Control::resize(picture->width, picture->height);
  picture_ = std::move(picture);
  setPictureFile(file);
  changed();
}

void ImageBox::paint(Surface& target, int x, int y, Clip clip) const {
  if (!picture_) return;
  if (!stretch || (picture_->width == width() && picture_->height == height())) {
    blitClipped(target, *picture_, x, y, width(), height(), clip);
    return;
  }
  // Stretched: nearest neighbour.
  const int x0 = std::max(clip.x0, x), y0 = std::max(clip.y0, y);
  const int x1 = std::min(clip.x1, x + width()), y1 = std::min(clip.y1, y + height());
  for (int ty = y0; ty < y1; ++ty)
    for (int tx = x0; tx < x1; ++tx)
      target.row(ty)[tx] = picture_->at((tx - x) * picture_->width / width(),
                                        (ty - y) * picture_->height / height());
}

void Label::setCaption(std::string c) {
  if (c == caption_) return;
  caption_ = std::move(c);
  changed();
}

void Label::paint(Surface& target, int x, int y, Clip clip) const {
  const Clip own{std::max(clip.x0, x), std::max(clip.y0, y), std::min(clip.x1, x + width()),
                 std::min(clip.y1, y + height())};
  if (own.x0 >= own.x1 || own.y0 >= own.y1) return;
  if (!transparent) fillClipped(target, x, y, width(), height(), backColor, own);
  if (caption_.empty() || !renderer_) return;
  int ly = y;
  if (centreVertically && !lines().empty()) {
    const int step = renderer_->lineHeight(style);
    const int tall = step * int(lines().size() - 1) + lines().back().height;
    ly = y + (height() - tall) / 2;
  }
  for (const Coverage& cov : lines()) {
    if (ly >= own.y1) break;
    if (cov.width > 0) {
      int lx = x;
      if (align == Align::Centre) lx = x + (width() - cov.width) / 2;
      if (align == Align::Right) lx = x + width() - cov.width;
      drawCoverage(target, cov, lx, ly, foreColor, own);
    }
    ly += renderer_->lineHeight(style);
  }
}

const std::vector<Coverage>& Label::lines() const {
  Cache& c = cache_;
  if (c.caption != caption_ || c.width != width() || c.size != style.size || c.bold != style.bold ||
      c.wrap != wordWrap) {
    c = Cache{caption_, width(), style.size, style.bold, wordWrap, {}};
    const std::vector<std::string> text =
        wordWrap ? wrapText(*renderer_, caption_, style, width()) : std::vector{caption_};
    for (const std::string& line : text) c.lines.push_back(renderer_->renderLine(line, style));
  }
  return c.lines;
}

void TextBox::setText(std::string t) {
  if (t == text_) return;
  text_ = std::move(t);
  changed();
}

void TextBox::typeText(const std::string& utf8) {
  setText(text_ + utf8);
}

void TextBox::backspace() {
  std::string t = text_;
  while (!t.empty()) {
    const bool lead = (static_cast<unsigned char>(t.back()) & 0xC0) != 0x80;
    t.pop_back();
    if (lead) break;
  }
  setText(t);
}

void TextBox::paint(Surface& target, int x, int y, Clip clip) const {
  const Clip own{std::max(clip.x0, x), std::max(clip.y0, y), std::min(clip.x1, x + width()),
                 std::min(clip.y1, y + height())};
  if (own.x0 >= own.x1 || own.y0 >= own.y1) return;
  fillClipped(target, x, y, width(), height(), borderColor, own);
  fillClipped(target, x + 1, y + 1, width() - 2, height() - 2, backColor, own);
  if (!renderer_) return;
  const Coverage cov = renderer_->renderLine(text_, style);
  const Clip inner{std::max(own.x0, x + 1), std::max(own.y0, y + 1),
                   std::min(own.x1, x + width() - 1), std::min(own.y1, y + height() - 1)};
  // Long texts show their end, as a field scrolled to the caret does.
  const int tx = std::min(x + 3, x + width() - 3 - cov.width);
  drawCoverage(target, cov, tx, y + (height() - cov.height) / 2, foreColor, inner);
  if (form() && form()->focus == this) {
    const int cx = tx + cov.width + 1;
    fillClipped(target, cx, y + 3, 1, height() - 6, foreColor, inner);
  }
}

void Button::paint(Surface& target, int x, int y, Clip clip) const {
  const Clip own{std::max(clip.x0, x), std::max(clip.y0, y), std::min(clip.x1, x + width()),
                 std::min(clip.y1, y + height())};
  if (own.x0 >= own.x1 || own.y0 >= own.y1) return;
  // A raised button: light top-left edge, dark bottom-right edge.
  fillClipped(target, x, y, width(), height(), rgb(64, 64, 64), own);
  fillClipped(target, x, y, width() - 1, height() - 1, rgb(255, 255, 255), own);
  fillClipped(target, x + 1, y + 1, width() - 2, height() - 2, rgb(160, 160, 160), own);
  fillClipped(target, x + 1, y + 1, width() - 3, height() - 3, rgb(212, 208, 200), own);
  if (!renderer_ || caption_.empty()) return;
  const Coverage cov = renderer_->renderLine(caption_, style);
  drawCoverage(target, cov, x + (width() - cov.width) / 2, y + (height() - cov.height) / 2,
               rgb(0, 0, 0), own);
}

void LineShape::setPoints(double x1, double y1, double x2, double y2) {
  if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  changed();
}

Control::Clip LineShape::extent(int x, int y) const {
  if (thickness <= 0) return {0, 0, 0, 0};
  // Every point drawn lies between the ends, rounded as paint rounds them, with the pen around it.
  const int r = thickness / 2;
  const int left = int(std::lround(std::min(x1_, x2_))),
            right = int(std::lround(std::max(x1_, x2_)));
  const int top = int(std::lround(std::min(y1_, y2_))),
            bottom = int(std::lround(std::max(y1_, y2_)));
  return {x + left - r, y + top - r, x + right + thickness - r, y + bottom + thickness - r};
}

void LineShape::paint(Surface& target, int x, int y, Clip clip) const {
  // Lines are placed in their container's pixels; (x, y) is the container's origin here,
  // since a line's own left and top stay 0.
  const double dx = x2_ - x1_, dy = y2_ - y1_;
  const int steps = std::max(1, int(std::ceil(std::max(std::fabs(dx), std::fabs(dy)))));
  const int r = thickness / 2;
  for (int i = 0; i <= steps; ++i) {
    const int px = x + int(std::lround(x1_ + dx * i / steps));
    const int py = y + int(std::lround(y1_ + dy * i / steps));
    for (int oy = -r; oy <= thickness - 1 - r; ++oy)
      for (int ox = -r; ox <= thickness - 1 - r; ++ox) {
        const int tx = px + ox, ty = py + oy;
        if (tx >= clip.x0 && tx < clip.x1 && ty >= clip.y0 && ty < clip.y1)
          target.row(ty)[tx] = color;
      }
  }
}

}  // namespace svc
