#include "canvas.h"

#include <stdexcept>

namespace art {

Canvas::Canvas(int width, int height, bool opaque)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, width,
                                          height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a drawing surface");
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Image Canvas::toImage() const {
  cairo_surface_flush(surface_);
  Image out(width_, height_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t p = row[x];  // premultiplied ARGB in native order
      out.at(x, y) = svc::rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
  }
  return out;
}

void Canvas::drawImage(const Image& image, double x, double y) {
  cairo_surface_t* src = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  cairo_surface_flush(src);
  unsigned char* data = cairo_image_surface_get_data(src);
  const int stride = cairo_image_surface_get_stride(src);
  for (int j = 0; j < image.height; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + j * stride);
    for (int i = 0; i < image.width; ++i) {
      const Colour c = image.at(i, j);
      row[i] = 0xFF000000u | (svc::red(c) << 16) | (svc::green(c) << 8) | svc::blue(c);
    }
  }
  cairo_surface_mark_dirty(src);
  cairo_save(cr_);
  cairo_set_source_surface(cr_, src, x, y);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_paint(cr_);
  cairo_restore(cr_);
  cairo_surface_destroy(src);
}

void setColour(cairo_t* cr, unsigned r, unsigned g, unsigned b, double alpha) {
  cairo_set_source_rgba(cr, r / 255.0, g / 255.0, b / 255.0, alpha);
}

void setFont(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

void drawText(cairo_t* cr, const std::string& text, double x, double y) {
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

double textWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

void drawTextCentred(cairo_t* cr, const std::string& text, double x, double y, double w, double h) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_font_extents_t f;
  cairo_font_extents(cr, &f);
  const double tx = x + (w - e.x_advance) / 2;
  const double ty = y + (h + f.ascent - f.descent) / 2;
  drawText(cr, text, tx, ty);
}

}  // namespace art
