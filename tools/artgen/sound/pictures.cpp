// The pictures of the effects (waveform over spectrogram) and the CSV line plot.
#include "sound/pictures.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "canvas.h"
#include "sound/effects.h"
#include "sound/frequencies.h"

namespace art::sound {

namespace {

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

std::string format(const char* f, double v) {
  char b[64];
  std::snprintf(b, sizeof b, f, v);
  return b;
}

void effectPicture(const Effect& e, const std::string& path) {
  const int w = 800, h = 400, left = 50, right = 10;
  const int waveTop = 22, waveH = 110, specTop = 150, specH = 225;
  const int plotW = w - left - right;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
  cairo_paint(cr);
  const std::vector<float>& s = e.samples;
  // Waveform: the extent of the samples under each column, full scale at the band's edges,
  // with the 0.8 headroom limit marked.
  const double mid = waveTop + waveH / 2.0;
  cairo_set_source_rgba(cr, 1, 0.4, 0.3, 0.5);
  for (double limit : {-0.8, 0.8}) cairo_rectangle(cr, left, mid - limit * waveH / 2, plotW, 1);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.45, 0.8, 1.0);
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
  // Spectrogram 0..8 kHz, 2048-point Hann windows, in decibels below the loudest point; each
  // pixel row shows the loudest bin it covers, so no harmonic falls between rows.
  const std::size_t n = 2048;
  const double topHz = 8000;
  const double binsPerRow = topHz * double(n) / kRate / specH;
  std::vector<double> db(std::size_t(plotW) * std::size_t(specH));
  for (int x = 0; x < plotW; ++x) {
    const double centre = double(s.size()) * (x + 0.5) / plotW;
    const std::vector<double> power = powerSpectrum(e, long(centre) - long(n / 2), n);
    for (int y = 0; y < specH; ++y) {
      const int row = specH - 1 - y;
      const std::size_t from = std::size_t(row * binsPerRow);
      const std::size_t to = std::max(from + 1, std::size_t((row + 1) * binsPerRow));
      double most = 0;
      for (std::size_t k = from; k < to && k < power.size(); ++k) most = std::max(most, power[k]);
      db[std::size_t(x) * std::size_t(specH) + std::size_t(y)] = 10 * std::log10(most + 1e-18);
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
  // Labels: the file, the frequency scale and the time scale.
  cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
  setFont(cr, 12);
  const double ms = double(s.size()) * 1000 / kRate;
  drawText(cr, e.file + (e.loop ? "  (loop)" : "") + "  " + format("%.0f ms", ms), left, 14);
  drawText(cr, "0.8", 8, mid - 0.8 * waveH / 2 + 4);
  for (int khz = 0; khz <= 8; khz += 2) {
    const double y = specTop + specH - specH * khz / 8.0;
    drawText(cr, std::to_string(khz) + "k", 8, std::min(y + 4, double(specTop + specH)));
  }
  const double stepMs = ms > 500 ? 100 : ms > 200 ? 50 : ms > 80 ? 20 : 10;
  for (double t = 0; t <= ms + 1e-9; t += stepMs) {
    const double x = left + plotW * t / ms;
    cairo_rectangle(cr, x, specTop + specH, 1, 4);
    cairo_fill(cr);
    if (x < w - 50) drawText(cr, format("%.0f", t), x - 6, h - 6);
  }
  drawText(cr, "ms", w - 28, h - 6);
  cairo_destroy(cr);
  write(surface, path);
  cairo_surface_destroy(surface);
}

// A CSV table: the column names and, for each column, a value a row (NaN where a row left it
// empty).
struct Table {
  std::vector<std::string> names;
  std::vector<std::vector<double>> cols;
};

std::string trimmed(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

std::vector<std::string> cells(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream ss(line);
  std::string cell;
  while (std::getline(ss, cell, ',')) out.push_back(trimmed(cell));
  if (!line.empty() && line.back() == ',') out.push_back("");
  return out;
}

Table readTable(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  Table t;
  std::string line;
  int lineNo = 0;
  while (t.names.empty() && std::getline(in, line)) {
    ++lineNo;
    if (!trimmed(line).empty()) t.names = cells(line);
  }
  if (t.names.size() < 2)
    throw std::runtime_error(path + ": needs a header of two columns or more");
  t.cols.resize(t.names.size());
  while (std::getline(in, line)) {
    ++lineNo;
    if (trimmed(line).empty()) continue;
    const std::vector<std::string> row = cells(line);
    if (row.size() > t.names.size())
      throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": more cells than columns");
    for (std::size_t c = 0; c < t.cols.size(); ++c) {
      double v = std::numeric_limits<double>::quiet_NaN();
      if (c < row.size() && !row[c].empty()) {
        char* end = nullptr;
        v = std::strtod(row[c].c_str(), &end);
        if (*end != '\0' || !std::isfinite(v))
          throw std::runtime_error(path + ":" + std::to_string(lineNo) +
                                   ": not a number: " + row[c]);
      }
      t.cols[c].push_back(v);
    }
  }
  return t;
}

struct Range {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();
  void add(double v) {
    if (!std::isfinite(v)) return;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  bool empty() const { return lo > hi; }
  double span() const { return hi - lo; }
};

// Round tick values a little wider than the range: steps of 1, 2 or 5 times a power of ten.
struct Axis {
  double lo = 0, hi = 1, step = 0.2;
};
Axis niceAxis(Range r) {
  if (r.empty()) r = Range{0, 1};
  if (r.span() <= 0) r = Range{r.lo - 0.5, r.hi + 0.5};
  const double raw = r.span() / 8;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double m : {2.0, 5.0, 10.0})
    if (step < raw) step = m * power;
  return {std::floor(r.lo / step) * step, std::ceil(r.hi / step) * step, step};
}

std::string tickText(double v, double step) {
  const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
  char b[32];
  std::snprintf(b, sizeof b, "%.*f", decimals, std::fabs(v) < step * 1e-6 ? 0.0 : v);
  return b;
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
  const Table t = readTable(csvPath);
  Range xr;
  for (double v : t.cols[0]) xr.add(v);
  std::vector<Range> yr(t.cols.size());
  Range all;
  for (std::size_t c = 1; c < t.cols.size(); ++c)
    for (double v : t.cols[c]) {
      yr[c].add(v);
      all.add(v);
    }
  if (xr.empty() || all.empty()) throw std::runtime_error(csvPath + ": nothing to plot");
  // One scale for every series, unless there are two and one of them would be squashed flat on
  // the other's scale: then the second gets its own scale on the right.
  const bool twoScales = t.cols.size() == 3 && !yr[1].empty() && !yr[2].empty() &&
                         std::min(yr[1].span(), yr[2].span()) < all.span() / 2.5;
  const Axis xa = niceAxis(xr);
  const Axis left = niceAxis(twoScales ? yr[1] : all);
  const Axis right = twoScales ? niceAxis(yr[2]) : left;

  const int w = 800, h = 400, x0 = 62, x1 = w - (twoScales ? 62 : 20), y0 = 40, y1 = h - 48;
  auto px = [&](double x) { return x0 + (x - xa.lo) / (xa.hi - xa.lo) * (x1 - x0); };
  auto py = [&](double y, const Axis& a) { return y1 - (y - a.lo) / (a.hi - a.lo) * (y1 - y0); };
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  const double colours[][3] = {
      {0.85, 0.2, 0.15}, {0.15, 0.35, 0.85}, {0.1, 0.6, 0.2}, {0.6, 0.3, 0.7}, {0.9, 0.55, 0.1}};
  const std::size_t palette = sizeof colours / sizeof colours[0];
  auto colour = [&](std::size_t c) {
    const double* k = colours[(c - 1) % palette];
    cairo_set_source_rgb(cr, k[0], k[1], k[2]);
  };

  // Grid and ticks.
  setFont(cr, 11);
  cairo_set_line_width(cr, 1);
  for (double x = xa.lo; x <= xa.hi + xa.step / 2; x += xa.step) {
    cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
    cairo_move_to(cr, std::round(px(x)) + 0.5, y0);
    cairo_line_to(cr, std::round(px(x)) + 0.5, y1);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    const std::string label = tickText(x, xa.step);
    drawText(cr, label, px(x) - textWidth(cr, label) / 2, y1 + 15);
  }
  for (double y = left.lo; y <= left.hi + left.step / 2; y += left.step) {
    cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
    cairo_move_to(cr, x0, std::round(py(y, left)) + 0.5);
    cairo_line_to(cr, x1, std::round(py(y, left)) + 0.5);
    cairo_stroke(cr);
    if (twoScales) {
      colour(1);
    } else {
      cairo_set_source_rgb(cr, 0, 0, 0);
    }
    const std::string label = tickText(y, left.step);
    drawText(cr, label, x0 - 6 - textWidth(cr, label), py(y, left) + 4);
  }
  if (twoScales) {
    colour(2);
    for (double y = right.lo; y <= right.hi + right.step / 2; y += right.step)
      drawText(cr, tickText(y, right.step), x1 + 6, py(y, right) + 4);
  }

  // The series: a line through each row's value, broken where a row has none.
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (std::size_t c = 1; c < t.cols.size(); ++c) {
    const Axis& a = twoScales && c == 2 ? right : left;
    colour(c);
    bool pen = false;
    for (std::size_t i = 0; i < t.cols[c].size(); ++i) {
      const double x = t.cols[0][i], y = t.cols[c][i];
      if (!std::isfinite(x) || !std::isfinite(y)) {
        pen = false;
        continue;
      }
      if (pen) {
        cairo_line_to(cr, px(x), py(y, a));
      } else {
        cairo_move_to(cr, px(x), py(y, a));
      }
      pen = true;
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);

  // Frame, titles and legend.
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, x0 + 0.5, y0 + 0.5, x1 - x0, y1 - y0);
  cairo_stroke(cr);
  drawText(cr, t.names[0], (x0 + x1) / 2.0 - textWidth(cr, t.names[0]) / 2, h - 10);
  setFont(cr, 13, true);
  drawText(cr, title, x0, 24);
  setFont(cr, 11);
  double legendW = 0;
  std::vector<std::string> entries;
  for (std::size_t c = 1; c < t.cols.size(); ++c) {
    std::string entry = t.names[c];
    if (twoScales) entry += c == 1 ? " (left scale)" : " (right scale)";
    entries.push_back(entry);
    legendW = std::max(legendW, textWidth(cr, entry));
  }
  const double lx = x1 - legendW - 44, ly = y0 + 8;
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_rectangle(cr, lx, ly, legendW + 36, 16.0 * double(entries.size()) + 6);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
  cairo_stroke(cr);
  for (std::size_t c = 1; c < t.cols.size(); ++c) {
    const double y = ly + 16.0 * double(c) - 2;
    colour(c);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, lx + 6, y - 4);
    cairo_line_to(cr, lx + 24, y - 4);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    drawText(cr, entries[c - 1], lx + 30, y);
  }
  cairo_destroy(cr);
  write(surface, pngPath);
  cairo_surface_destroy(surface);
}

}  // namespace art::sound
