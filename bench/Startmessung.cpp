#include "Startmessung.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {
using Uhr = std::chrono::steady_clock;

// Every top-level window the X server maps, with its title, as the server
// reports it: no window manager runs, so a map request is a map.
class Beobachter {
 public:
  explicit Beobachter(const QByteArray& anzeige) : m_x(xcb_connect(anzeige.constData(), nullptr)) {
    if (xcb_connection_has_error(m_x)) return;
    m_wurzel = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
    const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_x, m_wurzel, XCB_CW_EVENT_MASK, &maske);
    xcb_flush(m_x);
  }
  ~Beobachter() { xcb_disconnect(m_x); }
  Beobachter(const Beobachter&) = delete;
  Beobachter& operator=(const Beobachter&) = delete;

  bool Bereit() const { return m_wurzel != 0; }

  void Leeren() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(m_x)) free(e);
  }

  // Milliseconds from `beginn` until a window titled `titel` was mapped, or
  // -1 when none was within ten seconds.
  double Warten(const std::string& titel, Uhr::time_point beginn) {
    const Uhr::time_point frist = beginn + std::chrono::seconds(10);
    while (Uhr::now() < frist) {
      xcb_generic_event_t* e = NaechstesEreignis(frist);
      if (!e) continue;
      const bool gesucht = (e->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                           Titel(reinterpret_cast<xcb_map_notify_event_t*>(e)->window) == titel;
      free(e);
      if (gesucht) return std::chrono::duration<double, std::milli>(Uhr::now() - beginn).count();
    }
    return -1;
  }

 private:
  xcb_generic_event_t* NaechstesEreignis(Uhr::time_point frist) {
    if (xcb_generic_event_t* e = xcb_poll_for_event(m_x)) return e;
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(frist - Uhr::now()).count();
    pollfd fd{xcb_get_file_descriptor(m_x), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(std::max<long long>(rest, 0)));
    return xcb_poll_for_event(m_x);
  }

  std::string Titel(xcb_window_t fenster) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        m_x, xcb_get_property(m_x, 0, fenster, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr);
    if (!r) return {};
    const std::string titel(static_cast<const char*>(xcb_get_property_value(r)),
                            xcb_get_property_value_length(r));
    free(r);
    return titel;
  }

  xcb_connection_t* m_x;
  xcb_window_t m_wurzel = 0;
};

pid_t Starten(const std::vector<std::string>& befehl) {
  std::vector<char*> argv;
  for (const std::string& s : befehl) argv.push_back(const_cast<char*>(s.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

void Beenden(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

double Median(std::vector<double> werte) {
  if (werte.empty() || std::find(werte.begin(), werte.end(), -1.0) != werte.end()) return -1;
  std::sort(werte.begin(), werte.end());
  return werte[werte.size() / 2];
}

struct Lauf {
  double fenster = -1;
  double ansicht = -1;
};

Lauf Messen(Beobachter& x, const std::vector<std::string>& befehl, bool mitAnsicht) {
  x.Leeren();
  const Uhr::time_point beginn = Uhr::now();
  const pid_t pid = Starten(befehl);
  Lauf lauf;
  if (pid > 0) {
    lauf.fenster = x.Warten("Tessaron", beginn);
    if (mitAnsicht && lauf.fenster >= 0) lauf.ansicht = x.Warten("Tileset aussehen", beginn);
  }
  Beenden(pid);
  return lauf;
}

// The child processes show real windows on the X server, with the settings
// folder of the benchmark run.
class Umgebung {
 public:
  explicit Umgebung(const QByteArray& anzeige) : m_plattform(qgetenv("QT_QPA_PLATFORM")) {
    qputenv("DISPLAY", anzeige);
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  ~Umgebung() { qputenv("QT_QPA_PLATFORM", m_plattform); }

 private:
  QByteArray m_plattform;
};
}  // namespace

Startwerte StartMessen(int runden) {
  const QByteArray anzeige = qgetenv("TESSARON_BENCH_X");
  if (anzeige.isEmpty()) return {};
  Beobachter x(anzeige);
  if (!x.Bereit()) return {};
  Umgebung umgebung(anzeige);
  const std::string ordner = QCoreApplication::applicationDirPath().toStdString();
  const std::vector<std::string> programm = {ordner + "/../tessaron", ordner + "/../Demo.gbc"};
  const std::vector<std::string> leer = {ordner + "/tessaron_leerstart"};
  Messen(x, programm, true);  // fonts and libraries into the page cache
  Messen(x, leer, false);
  std::vector<double> p, a, l;
  for (int r = 0; r < runden; ++r) {
    const Lauf lp = Messen(x, programm, true);
    p.push_back(lp.fenster);
    a.push_back(lp.ansicht);
    l.push_back(Messen(x, leer, false).fenster);
  }
  return {Median(p), Median(a), Median(l)};
}
