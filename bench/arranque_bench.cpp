// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of a whole program, from the moment it is started to the moment its
// first top-level window is mapped on the X server. The watching is done from
// outside: the X server reports every window mapped on the screen
// (SubstructureNotify on the root window), and the one whose _NET_WM_PID is the
// child's ends the measurement. The program timed needs no hook of any kind.
//
// pendra is measured against a bare Qt dialog with six line edits, built with
// the same flags, started the same way, their runs interleaved; the ratio of
// the two medians closes the report.
//
// Needs an X server in DISPLAY with no window manager (bench/arranque.sh starts
// a private Xvfb).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "informe.h"

extern char** environ;

namespace {

using Reloj = std::chrono::steady_clock;

constexpr auto kLimite = std::chrono::seconds(20);

// A window of a program that has already exited may be gone by the time its
// properties are asked for; that is no reason to stop.
int IgnorarErrores(Display*, XErrorEvent*) {
    return 0;
}

class Vigia {
public:
    bool Abrir() {
        pantalla_ = XOpenDisplay(nullptr);
        if (pantalla_ == nullptr) {
            return false;
        }
        XSetErrorHandler(IgnorarErrores);
        raiz_ = DefaultRootWindow(pantalla_);
        pid_ = XInternAtom(pantalla_, "_NET_WM_PID", False);
        XSelectInput(pantalla_, raiz_, SubstructureNotifyMask);
        XSync(pantalla_, False);
        return true;
    }

    struct Arranque {
        Reloj::duration hastaVentana;
        // The processor time the program used, its own and the kernel's for
        // it, from its start until it was stopped just after the mapping.
        Reloj::duration procesador;
    };

    // Starts `programa` and waits until one of its top-level windows is
    // mapped, then stops it. Nothing on failure.
    std::optional<Arranque> Arrancar(const std::string& programa, std::string& error) {
        Descartar();
        posix_spawn_file_actions_t acciones;
        posix_spawn_file_actions_init(&acciones);
        posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argumentos = {const_cast<char*>(programa.c_str()), nullptr};

        const Reloj::time_point inicio = Reloj::now();
        pid_t hijo = 0;
        const int fallo =
            posix_spawn(&hijo, programa.c_str(), &acciones, nullptr, argumentos.data(), environ);
        posix_spawn_file_actions_destroy(&acciones);
        if (fallo != 0) {
            error = "cannot start " + programa;
            return std::nullopt;
        }
        std::optional<Reloj::duration> tiempo;
        while (!tiempo) {
            const Reloj::duration resta = inicio + kLimite - Reloj::now();
            if (resta <= Reloj::duration::zero() || !Esperar(resta)) {
                error = programa + " showed no window in time";
                break;
            }
            XEvent evento;
            XNextEvent(pantalla_, &evento);
            if (evento.type != MapNotify || evento.xmap.event != raiz_ ||
                evento.xmap.override_redirect) {
                continue;
            }
            const Reloj::time_point visto = Reloj::now();
            if (PidDe(evento.xmap.window) == hijo) {
                tiempo = visto - inicio;
            }
        }
        kill(hijo, SIGKILL);
        rusage uso{};
        wait4(hijo, nullptr, 0, &uso);
        if (!tiempo) {
            return std::nullopt;
        }
        const auto microsegundos = [](timeval t) {
            return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
        };
        return Arranque{*tiempo, microsegundos(uso.ru_utime) + microsegundos(uso.ru_stime)};
    }

    ~Vigia() {
        if (pantalla_ != nullptr) {
            XCloseDisplay(pantalla_);
        }
    }

private:
    // Events left over from the last program's windows going away.
    void Descartar() {
        XSync(pantalla_, False);
        while (XPending(pantalla_) > 0) {
            XEvent evento;
            XNextEvent(pantalla_, &evento);
        }
    }

    bool Esperar(Reloj::duration resta) {
        if (XPending(pantalla_) > 0) {
            return true;
        }
        pollfd conexion{ConnectionNumber(pantalla_), POLLIN, 0};
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(resta).count();
        return poll(&conexion, 1, static_cast<int>(ms)) > 0 && XPending(pantalla_) > 0;
    }

    pid_t PidDe(Window ventana) {
        Atom tipo = None;
        int formato = 0;
        unsigned long cuantos = 0;
        unsigned long quedan = 0;
        unsigned char* datos = nullptr;
        pid_t pid = 0;
        if (XGetWindowProperty(pantalla_, ventana, pid_, 0, 1, False, XA_CARDINAL, &tipo, &formato,
                               &cuantos, &quedan, &datos) == Success &&
            datos != nullptr) {
            if (tipo == XA_CARDINAL && formato == 32 && cuantos == 1) {
                pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(datos));
            }
            XFree(datos);
        }
        return pid;
    }

    Display* pantalla_ = nullptr;
    Window raiz_ = 0;
    Atom pid_ = None;
};

Vigia vigia;

void Arranque(benchmark::State& estado, const std::string& programa) {
    double procesador = 0;
    for (auto _ : estado) {
        std::string error;
        const std::optional<Vigia::Arranque> arranque = vigia.Arrancar(programa, error);
        if (!arranque) {
            estado.SkipWithError(error.c_str());
            break;
        }
        estado.SetIterationTime(std::chrono::duration<double>(arranque->hastaVentana).count());
        procesador += std::chrono::duration<double, std::milli>(arranque->procesador).count();
    }
    estado.counters["cpu_hijo_ms"] =
        benchmark::Counter(procesador, benchmark::Counter::kAvgIterations);
}

constexpr const char* kPatron = "dialogo_desnudo";

}  // namespace

// pendra-bench-arranque [benchmark options] [NAME=PROGRAM...]
// Further programs given as NAME=PROGRAM are timed beside the two built in,
// for instance another build of pendra.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<std::pair<std::string, std::string>> programas = {
        {"pendra", PENDRA_PROGRAMA}, {kPatron, PENDRA_DIALOGO_DESNUDO}};
    for (int i = 1; i < argc; ++i) {
        const std::string argumento = argv[i];
        const std::size_t igual = argumento.find('=');
        if (argumento.starts_with("-") || igual == std::string::npos || igual == 0) {
            std::fprintf(stderr, "unrecognized argument: %s\n", argv[i]);
            return 1;
        }
        programas.emplace_back(argumento.substr(0, igual), argumento.substr(igual + 1));
    }
    if (!vigia.Abrir()) {
        std::fprintf(stderr, "No X server in DISPLAY; bench/arranque.sh starts one.\n");
        return 2;
    }
    for (const auto& [nombre, programa] : programas) {
        // One start of each first, so that all are timed with their files in
        // the page cache.
        std::string error;
        if (!vigia.Arrancar(programa, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        benchmark::RegisterBenchmark(("Arranque/" + nombre).c_str(), Arranque, programa)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    pendra::bench::Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    const std::optional<double> patron = informe.Mediana(kPatron);
    for (const auto& [nombre, programa] : programas) {
        const std::optional<double> mediana = informe.Mediana(nombre);
        if (nombre != kPatron && mediana && patron) {
            std::printf("Median start-up: %s %.1f ms, bare dialog %.1f ms, ratio %.3f\n",
                        nombre.c_str(), *mediana, *patron, *mediana / *patron);
        }
    }
    benchmark::Shutdown();
    return 0;
}
