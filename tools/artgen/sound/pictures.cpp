#include "sound/pictures.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "canvas.h"
#include "sound/effects.h"

namespace art::sound {

namespace {

constexpr double kPi = 3.14159265358979323846;

void fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> w = std::polar(1.0, -2 * kPi / double(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> wn = 1;
      for (std::size_t k = 0; k < len / 2; ++k) {
        const auto u = a[i + k], v = a[i + k + len / 2] * wn;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        wn *= w;
      }
    }
  }
}

// Dark blue through purple and orange to pale yellow: louder is brighter.
void heat(double t, double* r, double* g, double* b) {
  t = std::clamp(t, 0.0, 1.0);
  *r = std::clamp(1.6 * t - 0.1, 0.0, 1.0);
  *g = std::clamp(1.7 * t * t - 0.1, 0.0, 1.0);
  *b = std::clamp(0.35 + 0.9 * t - 1.6 * t * t + (t > 0.85 ? 2.5 * (t - 0.85) : 0.0), 0.0, 1.0);
}

void write(cairo_surface_t* surface, const std::string& path) {
  if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path);
}

void effectPicture(const Effect& e, const std::string& path) {
  const int w = 800, h = 400, waveH = 130, specTop = 160, specH = 220, left = 50;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
  cairo_paint(cr);
  const std::vector<float>& s = e.samples;
  const int plotW = w - left - 10;
  // Waveform: the extent of the samples under each column.
  cairo_set_source_rgb(cr, 0.45, 0.8, 1.0);
  const double mid = 15 + waveH / 2.0;
  for (int x = 0; x < plotW; ++x) {
    const std::size_t a = s.size() * std::size_t(x) / std::size_t(plotW);
    const std::size_t b = std::max(a + 1, s.size() * std::size_t(x + 1) / std::size_t(plotW));
    float lo = 0, hi = 0;
    for (std::size_t i = a; i < b && i < s.size(); ++i) {
      lo = std::min(lo, s[i]);
      hi = std::max(hi, s[i]);
    }
    cairo_rectangle(cr, left + x, mid - hi * waveH / 2, 1,
                    std::max(1.0, double(hi - lo) * waveH / 2));
  }
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_rectangle(cr, left, mid, plotW, 1);
  cairo_fill(cr);
  // Spectrogram 0..5 kHz, 2048-point Hann windows, in decibels below the loudest point.
  const std::size_t n = 2048;
  const double topHz = 5000;
  const int bins = int(topHz * double(n) / kRate);
  std::vector<double> db(std::size_t(plotW) * std::size_t(specH));
  for (int x = 0; x < plotW; ++x) {
    const double centre = double(s.size()) * (x + 0.5) / plotW;
    std::vector<std::complex<double>> a(n);
    for (std::size_t i = 0; i < n; ++i) {
      // Loops are read round their seam, as they are heard.
      long at = long(centre) - long(n / 2) + long(i);
      double v = 0;
      if (e.loop) {
        at = ((at % long(s.size())) + long(s.size())) % long(s.size());
        v = s[std::size_t(at)];
      } else if (at >= 0 && at < long(s.size())) {
        v = s[std::size_t(at)];
      }
      a[i] = v * (0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n - 1)));
    }
    fft(a);
    for (int y = 0; y < specH; ++y) {
      const int bin = std::min(bins - 1, bins * (specH - 1 - y) / specH);
      db[std::size_t(x) * std::size_t(specH) + std::size_t(y)] =
          20 * std::log10(std::abs(a[std::size_t(bin)]) + 1e-9);
    }
  }
  const double loudest = *std::max_element(db.begin(), db.end());
  for (int x = 0; x < plotW; ++x)
    for (int y = 0; y < specH; ++y) {
      double r, g, b;
      heat(1 + (db[std::size_t(x) * std::size_t(specH) + std::size_t(y)] - loudest) / 70, &r, &g,
           &b);
      cairo_set_source_rgb(cr, r, g, b);
      cairo_rectangle(cr, left + x, specTop + y, 1, 1);
      cairo_fill(cr);
    }
  // Labels.
  cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
  setFont(cr, 12);
  drawText(
      cr,
      e.file + (e.loop ? "  (loop)" : "") + "  " + std::to_string(s.size() * 1000 / kRate) + " ms",
      left, 12);
  for (int khz = 0; khz <= 5; ++khz) {
    const double y = specTop + specH - specH * khz / 5.0;
    drawText(cr, std::to_string(khz) + "k", 8, std::min(y + 4, double(specTop + specH)));
  }
  cairo_destroy(cr);
  write(surface, path);
  cairo_surface_destroy(surface);
}

}  // namespace

void renderEffectPictures(const std::string& dir) {
  for (const Effect& e : synthesizeEffects()) {
    std::string name = e.file.substr(e.file.rfind('/') + 1);
    name = name.substr(0, name.rfind('.'));
    effectPicture(e, dir + "/" + name + ".png");
  }
}

void plotCsv(const std::string& csvPath, const std::string& pngPath, const std::string& title) {
  std::ifstream in(csvPath);
  if (!in) throw std::runtime_error("cannot read " + csvPath);
  std::string line;
  std::getline(in, line);
  std::vector<std::string> names;
  {
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, ',')) names.push_back(cell);
  }
  std::vector<std::vector<double>> cols(names.size());
  while (std::getline(in, line)) {
    std::stringstream ss(line);
    std::string cell;
    for (std::size_t c = 0; c < cols.size() && std::getline(ss, cell, ','); ++c)
      cols[c].push_back(std::stod(cell));
  }
  if (names.size() < 2 || cols[0].size() < 2)
    throw std::runtime_error(csvPath + ": nothing to plot");
  const int w = 900, h = 420, left = 60, right = 20, top = 40, bottom = 40;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  const auto [xmin, xmax] = std::minmax_element(cols[0].begin(), cols[0].end());
  const double colours[][3] = {
      {0.85, 0.2, 0.15}, {0.15, 0.35, 0.85}, {0.1, 0.6, 0.2}, {0.6, 0.3, 0.7}};
  setFont(cr, 13, true);
  cairo_set_source_rgb(cr, 0, 0, 0);
  drawText(cr, title, left, 24);
  setFont(cr, 11);
  for (std::size_t c = 1; c < cols.size(); ++c) {
    // Each series on its own scale, so their shapes can be compared; the legend gives its range.
    const auto [ymin, ymax] = std::minmax_element(cols[c].begin(), cols[c].end());
    const double span = std::max(1e-9, *ymax - *ymin);
    const double* col = colours[(c - 1) % 4];
    cairo_set_source_rgb(cr, col[0], col[1], col[2]);
    cairo_set_line_width(cr, 1.5);
    for (std::size_t i = 0; i < cols[c].size(); ++i) {
      const double x =
          left + (cols[0][i] - *xmin) / std::max(1e-9, *xmax - *xmin) * (w - left - right);
      const double y = top + (1 - (cols[c][i] - *ymin) / span) * (h - top - bottom);
      if (i == 0) {
        cairo_move_to(cr, x, y);
      } else {
        cairo_line_to(cr, x, y);
      }
    }
    cairo_stroke(cr);
    char legend[160];
    std::snprintf(legend, sizeof legend, "%s (%.2f .. %.2f)", names[c].c_str(), *ymin, *ymax);
    drawText(cr, legend, w - 330, top + 16.0 * double(c));
  }
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, left, top, w - left - right, h - top - bottom);
  cairo_stroke(cr);
  char axis[96];
  std::snprintf(axis, sizeof axis, "%s  %.0f .. %.0f", names[0].c_str(), *xmin, *xmax);
  drawText(cr, axis, left, h - 14);
  cairo_destroy(cr);
  write(surface, pngPath);
  cairo_surface_destroy(surface);
}

}  // namespace art::sound
