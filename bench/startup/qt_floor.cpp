// The floor for a Qt Widgets program: one window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Qt floor"));
  label.setWindowTitle(QStringLiteral("Qt floor"));
  label.show();
  return QApplication::exec();
}
