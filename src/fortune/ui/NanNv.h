#pragma once
// The boy-or-girl window TFrm_NanNv: the explanation of the folk chart, the
// chart in two pages (ages 18 to 31 and 32 to 44) and a page with a short
// article on the chances of a boy or a girl, drawn as a picture. Opened
// modally; it has no commands of its own.
#include <QDialog>
#include <QPixmap>
#include <string>
#include <vector>

class QLabel;
class QTabWidget;
class QTableWidget;

namespace lumeno::fortune {

class TFrm_NanNv : public QDialog {
  Q_OBJECT

 public:
  explicit TFrm_NanNv(QWidget* parent = nullptr);

  QLabel* Explanation = nullptr;
  QTabWidget* PageControl1 = nullptr;  // 18到31岁, 32到44岁, 生男生女有秘诀
  QTableWidget* Chart1 = nullptr;      // ages 18 to 31
  QTableWidget* Chart2 = nullptr;      // ages 32 to 44
  QLabel* Picture = nullptr;           // the article as a picture
};

// The article drawn as a picture `width` pixels wide: the first line as a
// heading, the others as wrapped paragraphs.
QPixmap PaintArticlePicture(const std::vector<std::string>& gbkLines, int width);

void OpenBoyOrGirl(QWidget* parent);

}  // namespace lumeno::fortune
