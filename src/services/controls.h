// Controls of the game's windows, addressed by name: picture boxes (with child controls), image
// buttons, labels, text fields and line shapes. A control draws itself into its window's image.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "services/surface.h"
#include "services/text_renderer.h"

namespace svc {

class Form;

enum class ControlKind { Picture, Image, Label, TextBox, Line, Button };

struct MouseHandlers {
  std::function<void(int button, int x, int y)> down, up, move;
  std::function<void()> click;
};

class Control {
 public:
  Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Form* form() const { return form_; }
  Control* parent() const { return parent_; }

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool visible() const { return visible_; }
  // Visible, and inside visible picture boxes all the way up: it can be seen in its window.
  bool shown() const;
  void setLeft(int v) { move(v, top_); }
  void setTop(int v) { move(left_, v); }
  void move(int left, int top);
  virtual void resize(int width, int height);
  void setVisible(bool v);

  // Text shown by the control (a label's caption, a field's text); "" for others.
  virtual std::string text() const { return {}; }
  // The file last loaded into the control ("" when none).
  const std::string& pictureFile() const { return pictureFile_; }

  MouseHandlers mouse;

  // Children (picture boxes only hold any). Later children lie above earlier ones.
  const std::vector<Control*>& children() const { return children_; }

  // Draws this control (and its children) with its top-left at (x, y) of target, inside clip.
  struct Clip {
    int x0, y0, x1, y1;
  };
  virtual void paint(Surface& target, int x, int y, Clip clip) const;

  // Changes that the window must show: they count only while the control can be seen.
  void changed();

 protected:
  void setPictureFile(std::string f) { pictureFile_ = std::move(f); }
  void paintChildren(Surface& target, int x, int y, Clip clip) const;

 private:
  friend class Form;
  std::string name_;
  ControlKind kind_;
  Form* form_ = nullptr;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  std::string pictureFile_;
};

// A picture box: a persistent surface the game draws into, shown at the control's place.
class PictureBox : public Control {
 public:
  explicit PictureBox(std::string name) : Control(std::move(name), ControlKind::Picture) {}

  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }
  void resize(int width, int height) override;
  // Loads a picture (taking its size when autoSize is on); "" as file releases it.
  void setPicture(ImagePtr picture, const std::string& file);
  void releasePicture();
  bool autoSize = false;
  // A transparent box shows only its children over whatever lies beneath it.
  bool transparent = false;
  void cls() {
    surface_.cls();
    changed();
  }
  void setBackColor(Colour c) {
    surface_.setBackground(c);
    changed();
  }
  void paint(Surface& target, int x, int y, Clip clip) const override;

 private:
  friend class Form;
  Surface surface_;
  // Drawing into the surface while it can be seen, counted by the form's version.
  mutable std::uint64_t seenSurfaceVersion_ = 0, shownDrawings_ = 0;
};

// An image control: shows its picture (if any) and takes clicks; without a picture it is an
// invisible click area over whatever lies beneath.
class ImageBox : public Control {
 public:
  explicit ImageBox(std::string name) : Control(std::move(name), ControlKind::Image) {}
  // Like the platform's image control, it takes the picture's size unless stretch is set.
  void setPicture(ImagePtr picture, const std::string& file);
  void releasePicture() { setPicture(nullptr, ""); }
  const ImagePtr& picture() const { return picture_; }
  bool stretch = false;
  void paint(Surface& target, int x, int y, Clip clip) const override;

 private:
  ImagePtr picture_;
};

enum class Align { Left, Centre, Right };

class Label : public Control {
 public:
  Label(std::string name, TextRenderer* renderer)
      : Control(std::move(name), ControlKind::Label), renderer_(renderer) {}
  std::string text() const override { return caption_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  bool wordWrap = true;
  bool transparent = true;  // no background fill
  Align align = Align::Left;
  // The lines sit in the middle of the label's height instead of at its top.
  bool centreVertically = false;
  Colour foreColor = rgb(255, 255, 255);
  Colour backColor = rgb(0, 0, 0);
  TextStyle style;
  void paint(Surface& target, int x, int y, Clip clip) const override;

 private:
  // The caption's lines, drawn once and kept until the caption, width or style changes: the
  // race composes its window every frame.
  struct Cache {
    std::string caption;
    int width = -1;
    int size = 0;
    bool bold = false;
    bool wrap = false;
    std::vector<Coverage> lines;
  };
  const std::vector<Coverage>& lines() const;

  TextRenderer* renderer_;
  std::string caption_;
  mutable Cache cache_;
};

class TextBox : public Control {
 public:
  TextBox(std::string name, TextRenderer* renderer)
      : Control(std::move(name), ControlKind::TextBox), renderer_(renderer) {}
  std::string text() const override { return text_; }
  void setText(std::string t);
  Colour foreColor = rgb(0, 0, 0);
  Colour backColor = rgb(255, 255, 255);
  Colour borderColor = rgb(120, 120, 120);
  TextStyle style;
  // Editing by the keyboard while focused.
  void typeText(const std::string& utf8);
  void backspace();
  void paint(Surface& target, int x, int y, Clip clip) const override;

 private:
  TextRenderer* renderer_;
  std::string text_;
};

// A push button with a caption (the start-up settings window's buttons).
class Button : public Control {
 public:
  Button(std::string name, TextRenderer* renderer)
      : Control(std::move(name), ControlKind::Button), renderer_(renderer) {}
  std::string text() const override { return caption_; }
  void setCaption(std::string c) {
    caption_ = std::move(c);
    changed();
  }
  TextStyle style;
  void paint(Surface& target, int x, int y, Clip clip) const override;

 private:
  TextRenderer* renderer_;
  std::string caption_;
};

// A line shape between two points of its container.
class LineShape : public Control {
 public:
  explicit LineShape(std::string name) : Control(std::move(name), ControlKind::Line) {}
  void setPoints(double x1, double y1, double x2, double y2);
  double x1() const { return x1_; }
  double y1() const { return y1_; }
  double x2() const { return x2_; }
  double y2() const { return y2_; }
  Colour color = rgb(255, 0, 0);
  int thickness = 1;
  void paint(Surface& target, int x, int y, Clip clip) const override;
  // The pixels the line covers, with its container's origin at (x, y); empty when none.
  Clip extent(int x, int y) const;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// Draws coverage tinted with a colour at (x, y), clipped.
void drawCoverage(Surface& target, const Coverage& c, int x, int y, Colour colour,
                  Control::Clip clip);

}  // namespace svc
