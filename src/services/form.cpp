#include "services/form.h"

#include <algorithm>
#include <stdexcept>

namespace svc {

void Timer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (on) due_ = clock_->ticks() + std::uint32_t(interval_);
}

void Timer::fireIfDue() {
  if (!enabled_ || interval_ <= 0) return;
  const std::uint32_t now = clock_->ticks();
  if (tickAfter(due_, now)) return;
  due_ += std::uint32_t(interval_);
  if (!tickAfter(due_, now)) due_ = now + std::uint32_t(interval_);
  if (onTick) onTick();
}

void Timer::passQuietTicks() {
  if (!enabled_ || interval_ <= 0 || !isQuiet()) return;
  const std::uint32_t now = clock_->ticks();
  if (!tickAfter(now, due_)) return;
  // The first tick of its beat at or after now, as if each one before had fired on time.
  const std::uint32_t step = std::uint32_t(interval_);
  due_ += (now - due_ + step - 1) / step * step;
}

Form::Form(std::string name, UiContext& ui, WindowSlot slot)
    : name_(std::move(name)), ui_(ui), slot_(slot) {}

void Form::move(int left, int top) {
  left_ = left;
  top_ = top;
  changed();
}

void Form::resize(int width, int height) {
  width_ = width;
  height_ = height;
  changed();
}

void Form::show() {
  if (!loaded_) return;
  visible_ = true;
  shownOrder_ = ++ui_.showCounter;
  changed();
}

void Form::hide() {
  visible_ = false;
  changed();
}

void Form::unload() {
  hide();
  loaded_ = false;
  for (Timer* t : timerOrder_) t->setEnabled(false);
}

void Form::setBackColor(Colour c) {
  backColor_ = c;
  changed();
}

void Form::setPicture(ImagePtr picture, const std::string& file) {
  picture_ = std::move(picture);
  pictureFile_ = file;
  changed();
}

template <class T>
T& Form::add(std::unique_ptr<T> c, int left, int top, int width, int height, Control* parent) {
  if (byName_.count(c->name())) throw std::logic_error("control defined twice: " + c->name());
  T& ref = *c;
  ref.form_ = this;
  ref.parent_ = parent;
  ref.left_ = left;
  ref.top_ = top;
  ref.resize(width, height);
  (parent ? parent->children_ : topLevel_).push_back(&ref);
  order_.push_back(&ref);
  byName_[ref.name()] = &ref;
  owned_.push_back(std::move(c));
  changed();
  return ref;
}

PictureBox& Form::addPicture(const std::string& name, int left, int top, int width, int height,
                             Control* parent) {
  return add(std::make_unique<PictureBox>(name), left, top, width, height, parent);
}
ImageBox& Form::addImage(const std::string& name, int left, int top, int width, int height,
                         Control* parent) {
  return add(std::make_unique<ImageBox>(name), left, top, width, height, parent);
}
Label& Form::addLabel(const std::string& name, const std::string& caption, int left, int top,
                      int width, int height, Control* parent) {
  Label& l = add(std::make_unique<Label>(name, ui_.text), left, top, width, height, parent);
  l.setCaption(caption);
  return l;
}
TextBox& Form::addTextBox(const std::string& name, const std::string& text, int left, int top,
                          int width, int height, Control* parent) {
  TextBox& t = add(std::make_unique<TextBox>(name, ui_.text), left, top, width, height, parent);
  t.setText(text);
  return t;
}
LineShape& Form::addLine(const std::string& name, Control* parent) {
  return add(std::make_unique<LineShape>(name), 0, 0, 0, 0, parent);
}
Button& Form::addButton(const std::string& name, const std::string& caption, int left, int top,
                        int width, int height, Control* parent) {
  Button& b = add(std::make_unique<Button>(name, ui_.text), left, top, width, height, parent);
  b.setCaption(caption);
  return b;
}
Timer& Form::addTimer(const std::string& name, int interval, bool enabled) {
  auto t = std::make_unique<Timer>(name, ui_.clock, interval);
  Timer& ref = *t;
  timerOrder_.push_back(&ref);
  timersByName_[name] = &ref;
  ownedTimers_.push_back(std::move(t));
  ref.setEnabled(enabled);
  return ref;
}

Control* Form::findControl(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Control& Form::control(const std::string& name) const {
  Control* c = findControl(name);
  if (!c) throw std::out_of_range("no control " + name_ + "." + name);
  return *c;
}

template <class T>
T& Form::typed(const std::string& name, ControlKind kind) const {
  Control& c = control(name);
  if (c.kind() != kind)
    throw std::out_of_range("control " + name_ + "." + name + " has another kind");
  return static_cast<T&>(c);
}

PictureBox& Form::picture(const std::string& n) const {
  return typed<PictureBox>(n, ControlKind::Picture);
}
ImageBox& Form::image(const std::string& n) const {
  return typed<ImageBox>(n, ControlKind::Image);
}
Label& Form::label(const std::string& n) const {
  return typed<Label>(n, ControlKind::Label);
}
TextBox& Form::textBox(const std::string& n) const {
  return typed<TextBox>(n, ControlKind::TextBox);
}
LineShape& Form::line(const std::string& n) const {
  return typed<LineShape>(n, ControlKind::Line);
}

Button& Form::button(const std::string& n) const {
  return typed<Button>(n, ControlKind::Button);
}

Timer& Form::timer(const std::string& name) const {
  auto it = timersByName_.find(name);
  if (it == timersByName_.end()) throw std::out_of_range("no timer " + name_ + "." + name);
  return *it->second;
}

std::uint64_t Form::version() const {
  // Pictures are drawn into directly, so drawing into one that can be seen counts too. The sum
  // only ever grows: a change while hidden is caught up with once the picture shows again,
  // and showing it changed the form anyway.
  std::uint64_t v = version_;
  for (const Control* c : order_) {
    if (c->kind() != ControlKind::Picture) continue;
    const auto* p = static_cast<const PictureBox*>(c);
    if (p->surface().version() != p->seenSurfaceVersion_ && p->shown()) {
      p->seenSurfaceVersion_ = p->surface().version();
      ++p->shownDrawings_;
    }
    v += p->shownDrawings_;
  }
  return v;
}

const Surface& Form::image() {
  const std::uint64_t v = version();
  if (v != composedVersion_ || image_.width() != width_ || image_.height() != height_) {
    compose();
    composedVersion_ = v;
  }
  return image_;
}

void Form::compose() {
  if (image_.width() != width_ || image_.height() != height_) image_ = Surface(width_, height_);
  // A picture box that covers the whole window with its own pixels hides the background and
  // everything before it (the race's view): drawing starts with it.
  std::size_t first = topLevel_.size();
  while (first > 0 && !coversWindow(*topLevel_[first - 1])) --first;
  if (first == 0) {
    image_.fill(backColor_);
    if (picture_) {
      Surface pic;
      pic.setPicture(picture_, true);
      bitBlt(image_, 0, 0, width_, height_, pic, 0, 0, Rop::Copy);
    }
  } else {
    --first;
  }
  const Control::Clip clip{0, 0, width_, height_};
  for (std::size_t i = first; i < topLevel_.size(); ++i) {
    const Control* c = topLevel_[i];
    if (c->visible()) c->paint(image_, c->left(), c->top(), clip);
  }
  if (highlight_) drawHighlight();
  image_.touch();
}

namespace {

// Where a control at (x, y) can draw, within `within`: its own rectangle, or for a line, whose
// points are in its container's pixels, the pixels it covers.
Control::Clip paintBounds(const Control& c, int x, int y, Control::Clip within) {
  const Control::Clip own = c.kind() == ControlKind::Line
                                ? static_cast<const LineShape&>(c).extent(x, y)
                                : Control::Clip{x, y, x + c.width(), y + c.height()};
  return {std::max(within.x0, own.x0), std::max(within.y0, own.y0), std::min(within.x1, own.x1),
          std::min(within.y1, own.y1)};
}

}  // namespace

bool Form::layers(Layers* out) {
  if (highlight_) return false;
  std::size_t first = topLevel_.size();
  while (first > 0 && !coversWindow(*topLevel_[first - 1])) --first;
  if (first == 0) return false;
  const auto& box = static_cast<const PictureBox&>(*topLevel_[first - 1]);
  if (box.left() != 0 || box.top() != 0) return false;
  // The box covers the window, so its children are clipped to the window alone.
  const Control::Clip window{0, 0, width_, height_};
  std::vector<const Control*> over;
  for (const Control* c : box.children()) over.push_back(c);
  for (std::size_t i = first; i < topLevel_.size(); ++i) over.push_back(topLevel_[i]);
  std::vector<Control::Clip> parts;
  for (const Control* c : over) {
    if (!c->visible()) continue;
    const Control::Clip b = paintBounds(*c, c->left(), c->top(), window);
    if (b.x0 >= b.x1 || b.y0 >= b.y1) continue;
    if (b.x0 == 0 && b.y0 == 0 && b.x1 == width_ && b.y1 == height_) return false;
    parts.push_back(b);
  }
  if (image_.width() != width_ || image_.height() != height_) image_ = Surface(width_, height_);
  // Each part from a fresh copy of the box, with everything over the box drawn clipped to it:
  // where parts overlap, each holds the whole composition.
  for (const Control::Clip& p : parts) {
    bitBlt(image_, p.x0, p.y0, p.x1 - p.x0, p.y1 - p.y0, box.surface(), p.x0, p.y0, Rop::Copy);
    for (const Control* c : over)
      if (c->visible()) c->paint(image_, c->left(), c->top(), p);
  }
  composedVersion_ = 0;  // the picture is whole only inside the parts now
  out->base = &box.surface();
  out->over = &image_;
  out->parts = std::move(parts);
  return true;
}

void Form::releasePixels() {
  for (Control* c : order_) {
    if (c->kind() == ControlKind::Picture) static_cast<PictureBox*>(c)->surface().dropPixels();
    if (c->kind() == ControlKind::Image) {
      auto* box = static_cast<ImageBox*>(c);
      box->setPicture(nullptr, box->pictureFile());
    }
  }
  picture_.reset();
  image_ = Surface();
  composedVersion_ = 0;
}

bool Form::coversWindow(const Control& c) const {
  if (!c.visible() || c.kind() != ControlKind::Picture) return false;
  const auto& box = static_cast<const PictureBox&>(c);
  if (box.transparent) return false;
  // It draws min(its size, its picture's size) from its corner.
  const int w = std::min(c.width(), box.surface().width());
  const int h = std::min(c.height(), box.surface().height());
  return c.left() <= 0 && c.top() <= 0 && c.left() + w >= width_ && c.top() + h >= height_;
}

void Form::formPosition(const Control& c, int* x, int* y) {
  *x = *y = 0;
  for (const Control* p = &c; p; p = p->parent()) {
    *x += p->left();
    *y += p->top();
  }
}

std::vector<Control*> Form::padTargets() const {
  struct Target {
    Control* control;
    int x, y;
  };
  std::vector<Target> found;
  for (Control* c : order_) {
    if (!c->mouse.click) continue;
    int x = 0, y = 0;
    formPosition(*c, &x, &y);
    x += c->width() / 2;
    y += c->height() / 2;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
    int lx = 0, ly = 0;
    if (hitTest(x, y, &lx, &ly) == c) found.push_back({c, x, y});
  }
  // Rows: centres within a few pixels of a row's first centre share it.
  std::stable_sort(found.begin(), found.end(),
                   [](const Target& a, const Target& b) { return a.y < b.y; });
  std::vector<Control*> out;
  for (std::size_t first = 0; first < found.size();) {
    std::size_t end = first;
    while (end < found.size() && found[end].y - found[first].y <= 8) ++end;
    std::stable_sort(found.begin() + std::ptrdiff_t(first), found.begin() + std::ptrdiff_t(end),
                     [](const Target& a, const Target& b) { return a.x < b.x; });
    for (std::size_t i = first; i < end; ++i) out.push_back(found[i].control);
    first = end;
  }
  return out;
}

void Form::setHighlight(Control* c) {
  if (c == highlight_) return;
  highlight_ = c;
  changed();
}

void Form::drawHighlight() {
  const std::vector<Control*> targets = padTargets();
  if (std::find(targets.begin(), targets.end(), highlight_) == targets.end()) return;
  int x = 0, y = 0;
  formPosition(*highlight_, &x, &y);
  const int w = highlight_->width(), h = highlight_->height();
  // A bright frame two pixels wide just outside the control, edged in black so it shows on any
  // picture.
  auto frame = [this](int left, int top, int right, int bottom, Colour colour) {
    auto put = [&](int xx, int yy) {
      if (xx >= 0 && yy >= 0 && xx < width_ && yy < height_) image_.setPixel(xx, yy, colour);
    };
    for (int xx = left; xx <= right; ++xx) {
      put(xx, top);
      put(xx, bottom);
    }
    for (int yy = top + 1; yy < bottom; ++yy) {
      put(left, yy);
      put(right, yy);
    }
  };
  frame(x - 3, y - 3, x + w + 2, y + h + 2, rgb(0, 0, 0));
  frame(x - 2, y - 2, x + w + 1, y + h + 1, rgb(255, 210, 40));
  frame(x - 1, y - 1, x + w, y + h, rgb(255, 210, 40));
}

namespace {
Control* hitIn(const std::vector<Control*>& list, int x, int y, int* lx, int* ly) {
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    Control* c = *it;
    if (!c->visible() || c->kind() == ControlKind::Line) continue;
    const int cx = x - c->left(), cy = y - c->top();
    if (cx < 0 || cy < 0 || cx >= c->width() || cy >= c->height()) continue;
    if (Control* inner = hitIn(c->children(), cx, cy, lx, ly)) return inner;
    *lx = cx;
    *ly = cy;
    return c;
  }
  return nullptr;
}
}  // namespace

Control* Form::hitTest(int x, int y, int* localX, int* localY) const {
  return hitIn(topLevel_, x, y, localX, localY);
}

}  // namespace svc
