#pragma once

#include <functional>
#include <vector>

// Every window exists once, created on first use. Instanz() creates it,
// Geladen() tells whether it exists, Entladen() destroys it (a window that
// unloads when closed deletes itself; its destructor forgets the instance).
// AlleEntladen() ends every window at the end of the program or of a test.
void EinzelnRegistrieren(std::function<void()> entladen);
void AlleEntladen();

template <class T>
class Einzeln {
 public:
  static T& Instanz() {
    if (!Zeiger()) {
      Zeiger() = new T();
      EinzelnRegistrieren([] { Entladen(); });
    }
    return *Zeiger();
  }
  static bool Geladen() { return Zeiger() != nullptr; }
  static void Entladen() {
    T* t = Zeiger();
    Zeiger() = nullptr;
    delete t;
  }

 protected:
  Einzeln() = default;
  ~Einzeln() {
    if (Zeiger() == static_cast<T*>(this)) Zeiger() = nullptr;
  }

 private:
  static T*& Zeiger() {
    static T* zeiger = nullptr;
    return zeiger;
  }
};
