#include "UiSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "support/RunProcess.h"
#include "ui/WindowLook.h"

namespace uitest {
namespace {

constexpr int kTickMs = 5;

LineLook LookOf(const QTextCharFormat& format, const QString& text) {
  return {text, format.fontPointSize(), format.foreground().color(), format.font().bold(), true};
}

bool SameLook(const LineLook& a, const LineLook& b) {
  return a.points == b.points && a.colour == b.colour && a.bold == b.bold;
}

}  // namespace

ModalAnswerer::ModalAnswerer(std::function<void(QWidget*)> onOther)
    : onOther_(std::move(onOther)), timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Tick(); });
  timer_->start(kTickMs);
}

void ModalAnswerer::Tick() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal == handled_) return;
  handled_ = modal;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes_.push_back({box->windowTitle(), box->text(), box->icon(),
                      static_cast<int>(box->buttons().size())});
    if (beforeAnswer_) beforeAnswer_(box);
    Answer(box);
    return;
  }
  ++othersSeen_;
  if (onOther_) {
    onOther_(modal);
  } else {
    modal->close();
  }
}

void ModalAnswerer::Answer(QMessageBox* box) {
  for (QAbstractButton* button : box->buttons()) {
    if (!buttonText_.isEmpty() && button->text().remove(QLatin1Char('&')) == buttonText_) {
      button->click();
      return;
    }
  }
  if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
    ok->click();
  } else {
    box->reject();
  }
}

std::vector<LineLook> LooksOf(const validador::ui::TLogBox& box) {
  std::vector<LineLook> lines;
  if (box.document()->isEmpty()) return lines;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    LineLook line = LookOf(block.charFormat(), block.text());
    bool first = true;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const LineLook piece = LookOf(fragment.fragment().charFormat(), block.text());
      if (first) line = piece;
      line.uniform = line.uniform && SameLook(line, piece);
      first = false;
    }
    lines.push_back(line);
  }
  return lines;
}

LineLook ExpectedLook(char style, const QString& text) {
  using validador::ui::TLogBox;
  if (style == 'E') return {text, TLogBox::kErrorPoints, validador::ui::kLogRed, true, true};
  return {text, TLogBox::kNormalPoints, validador::ui::kLogBlue, true, true};
}

QString MaskElapsed(QString line) {
  static const QRegularExpression elapsed(QStringLiteral("Ok - \\d\\d:\\d\\d:\\d\\d,"));
  return line.replace(elapsed, QStringLiteral("Ok - hh:nn:ss,"));
}

std::vector<std::pair<char, QString>> CliStyledLog(const std::vector<std::string>& args) {
  const testsupport::ProcessResult run = testsupport::RunProcess(VALIDADOR_CLI_PATH, args);
  std::vector<std::pair<char, QString>> lines;
  for (const QString& line : Q(run.out).split(QLatin1Char('\n'))) {
    if (line.size() < 2 || line[1] != QLatin1Char('\t')) continue;
    lines.emplace_back(line[0].toLatin1(), MaskElapsed(line.mid(2)));
  }
  return lines;
}

ShownWindow::ShownWindow() {
  window_.show();
  if (!QTest::qWaitForWindowExposed(&window_)) qWarning("the main window did not show");
}

void Type(QWidget* box, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->clear();
  QTest::keyClicks(box, text);
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

struct TemporarySettings::Impl {
  QTemporaryDir folder;
};

TemporarySettings::TemporarySettings() : impl_(std::make_unique<Impl>()) {
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impl_->folder.path());
}

TemporarySettings::~TemporarySettings() {
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impl_->folder.path() + "-gone");
}

QString TemporarySettings::Folder() const { return impl_->folder.path(); }

std::string ReadFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

}  // namespace uitest
