#pragma once
// The real readers that the tests hand every drawing they write: ezdxf (Debian's
// python3-ezdxf, under Debian's own /usr/bin/python3, which need not be the first python3
// on the PATH) for DXF, Qt's QSvgRenderer and librsvg's rsvg-convert for SVG.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <nlohmann/json.hpp>

namespace drawing_test {

// Whether ezdxf (python3-ezdxf) and rsvg-convert (librsvg2-bin) are installed.
inline bool readersPresent() {
  return std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null && command -v rsvg-convert >/dev/null") == 0;
}

// What ezdxf finds in the DXF file `path` (see read_dxf.py); {"reader": its words} when it
// could not read it.
inline nlohmann::json readDxf(const std::string& path) {
  std::string output;
  FILE* pipe = popen(("/usr/bin/python3 '" GLANDWISE_READ_DXF "' '" + path + "' 2>&1").c_str(), "r");
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  if (pipe) pclose(pipe);
  const nlohmann::json found = nlohmann::json::parse(output, nullptr, false);
  return found.is_object() ? found : nlohmann::json{{"reader", output}};
}

// Why the SVG file `path` is not a drawing of `viewBox` (inch) at its true size with its
// layers as named groups that Qt reads and librsvg renders to PNG; empty when it is.
inline std::string svgProblem(const std::string& path, const QRectF& viewBox) {
  const QString file = QString::fromStdString(path);
  QSvgRenderer qt(file);
  if (!qt.isValid()) return "Qt cannot read it";
  const QRectF read = qt.viewBoxF();
  if (std::abs(read.left() - viewBox.left()) + std::abs(read.top() - viewBox.top()) +
          std::abs(read.width() - viewBox.width()) + std::abs(read.height() - viewBox.height()) > 1e-5)
    return "its viewBox is not the drawing's extent in inch";
  for (const char* layer : {"part", "ring", "ring_mmc", "ring_lmc", "dimensions", "text"})
    if (!qt.elementExists(layer)) return std::string("it has no group ") + layer;
  QFile text(file);
  text.open(QIODevice::ReadOnly);
  const double millimetres = QRegularExpression(R"(width="([0-9.]+)mm")").match(text.readAll()).captured(1).toDouble();
  if (std::abs(millimetres - 25.4 * viewBox.width()) > 0.03) return "its width is not its true size";
  const std::string png = path + ".png";
  const int status = std::system(("rsvg-convert -o '" + png + "' '" + path + "'").c_str());
  const bool rendered = status == 0 && QFile(QString::fromStdString(png)).size() > 0;
  QFile::remove(QString::fromStdString(png));
  return rendered ? "" : "rsvg-convert cannot render it";
}

}  // namespace drawing_test
