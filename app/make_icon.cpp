// Renders the program icon for installation: `glandwise_icon DIR SIZE...` writes
// DIR/SIZExSIZE/apps/glandwise.png for each size, as the hicolor icon theme lays them out.

#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QString>

#include "widgets/artwork.h"

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s DIR SIZE...\n", argv[0]);
    return EXIT_FAILURE;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    if (size <= 0 || !QDir().mkpath(folder) ||
        !glandwise::appIconImage(size).save(folder + QStringLiteral("/glandwise.png"))) {
      std::fprintf(stderr, "%s: cannot write the %s pixel icon under %s\n", argv[0], argv[i], argv[1]);
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
