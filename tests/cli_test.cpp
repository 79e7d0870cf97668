// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// pendra-cli as scripts use it: the built binary, its JSON and exit status.

#include <gtest/gtest.h>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "presentacion.h"
#include "salida.h"

namespace pendra::cli {
namespace {

struct Ejecucion {
    std::string salida;
    int estado = -1;
};

#if defined(_WIN32)

// The words of a command line as a POSIX shell splits them: at blanks, with
// '...' and "..." quoting, which is how the tests write their arguments.
std::vector<std::string> Palabras(const std::string& texto) {
    std::vector<std::string> palabras;
    std::string palabra;
    bool hay = false;
    char comilla = 0;
    for (const char c : texto) {
        if (comilla != 0) {
            if (c == comilla) {
                comilla = 0;
            } else {
                palabra += c;
            }
        } else if (c == '\'' || c == '"') {
            comilla = c;
            hay = true;
        } else if (c == ' ') {
            if (hay) {
                palabras.push_back(palabra);
            }
            palabra.clear();
            hay = false;
        } else {
            palabra += c;
            hay = true;
        }
    }
    if (hay) {
        palabras.push_back(palabra);
    }
    return palabras;
}

// A word for cmd.exe and the C runtime's argument parser.
std::string Citar(const std::string& palabra) {
    std::string citada = "\"";
    for (const char c : palabra) {
        citada += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return citada + "\"";
}

// The program's path as Windows writes it; under Wine, / is drive Z:.
std::string Programa() {
    std::string ruta = PENDRA_CLI;
    if (ruta.starts_with('/')) {
        ruta = std::string("Z:") + ruta;
    }
    for (char& c : ruta) {
        c = c == '/' ? '\\' : c;
    }
    return ruta;
}

// Arguments travel as UTF-16, so "−30" and "45°30'" arrive as typed.
std::wstring Ancho(const std::string& texto) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
    std::wstring ancho(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), ancho.data(), n);
    return ancho;
}

FILE* Abrir(const std::string& argumentos, const std::string& archivo) {
    std::string orden = Citar(Programa());
    for (const std::string& palabra : Palabras(argumentos)) {
        orden += ' ';
        orden += Citar(palabra);
    }
    // cmd.exe /c drops the outermost pair of quotes.
    const std::string linea = std::string(1, '"') + orden + " < " + Citar(archivo) + " 2>&1\"";
    return _wpopen(Ancho(linea).c_str(), L"rb");
}

int Cerrar(FILE* tubo) {
    return _pclose(tubo);
}

#else

FILE* Abrir(const std::string& argumentos, const std::string& archivo) {
    const std::string orden =
        std::string(PENDRA_CLI) + " " + argumentos + " < " + archivo + " 2>&1";
    return popen(orden.c_str(), "r");
}

int Cerrar(FILE* tubo) {
    const int estado = pclose(tubo);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

#endif

Ejecucion Ejecutar(const std::string& argumentos, const std::string& entrada = "") {
    // One input file per test: ctest may run several of them at once.
    const testing::TestInfo* prueba = testing::UnitTest::GetInstance()->current_test_info();
    const std::string archivo = testing::TempDir() + "pendra_cli_" + prueba->test_suite_name() +
                                "_" + prueba->name() + ".txt";
    std::ofstream(archivo, std::ios::binary) << entrada;
    Ejecucion e;
    FILE* tubo = Abrir(argumentos, archivo);
    if (tubo == nullptr) {
        return e;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, tubo)) > 0) {
        e.salida.append(buffer, n);
    }
    e.estado = Cerrar(tubo);
    return e;
}

// Runs a bash script in which CLI stands for the program; what it writes to
// standard output.
std::string Guion(const std::string& guion) {
    const testing::TestInfo* prueba = testing::UnitTest::GetInstance()->current_test_info();
    const std::string archivo = testing::TempDir() + "pendra_cli_" + prueba->name() + ".sh";
    std::ofstream(archivo) << "CLI=" << PENDRA_CLI << "\nTMP_LOTE=" << archivo << ".lote\n"
                           << guion << "\n";
    std::string salida;
#if defined(_WIN32)
    FILE* tubo = _popen(("bash " + archivo).c_str(), "rb");
#else
    FILE* tubo = popen(("bash " + archivo).c_str(), "r");
#endif
    if (tubo == nullptr) {
        return salida;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, tubo)) > 0) {
        salida.append(buffer, n);
    }
    Cerrar(tubo);
    return salida;
}

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> lineas;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t fin = texto.find('\n', inicio);
        lineas.push_back(texto.substr(inicio, fin - inicio));
        if (fin == std::string::npos) {
            break;
        }
        inicio = fin + 1;
    }
    return lineas;
}

TEST(PendraCli, PrintsTheThreeFourFiveTriangleAsJsonFieldByField) {
    const Ejecucion e = Ejecutar("--json '' 3 '' 4 '' 5");
    EXPECT_EQ(e.estado, 0);
    // Each field in its place, numbers as the nearest doubles to the exact
    // values (the median to side 1 is the square root of 73, halved).
    const char* campos[] = {
        "{\"mensaje\": null, \"soluciones\": [{",
        "\"angulos\": [0.6435011087932843, 0.9272952180016123, 1.570796326794895], ",
        "\"lados\": [3, 4, 5], ",
        "\"etiquetas\": {\"angulos\": [\"36.869º\", \"53.130º\", \"90º\"], ",
        "\"lados\": [\"3\", \"4\", \"5\"]}, ",
        "\"propiedades\": {\"area\": 6, ",
        "\"perimetro\": 12, ",
        "\"alturas\": [4, 3, 2.4], ",
        "\"medianas\": [4.272001872658765, 3.605551275463989, 2.5], ",
        "\"bisectrices\": [4.216370213557839, 3.3541019662496847, 2.4243661069253055], ",
        "\"radio_inscrito\": 1, ",
        "\"radio_circunscrito\": 2.5, ",
        "\"vertices\": [[3, 4], [0, 0], [3, 0]], ",
        "\"baricentro\": [2, 1.3333333333333333], ",
        "\"incentro\": [2, 1], ",
        "\"circuncentro\": [1.5, 2], ",
        "\"ortocentro\": [3, 0], ",
        "\"clase\": [\"rectángulo\", \"escaleno\"]}}]}\n",
    };
    std::size_t posicion = 0;
    for (const char* campo : campos) {
        EXPECT_EQ(e.salida.compare(posicion, std::strlen(campo), campo), 0)
            << "expected " << campo << " at " << posicion << " of " << e.salida;
        posicion += std::strlen(campo);
    }
    EXPECT_EQ(posicion, e.salida.size());
    // A circle too large for a double is null; the text answer says so in Spanish.
    EXPECT_NE(Ejecutar("--json 179.9999999 '' '' 1e300 '' 1e300")
                  .salida.find("\"radio_circunscrito\": null, "),
              std::string::npos);
    const std::string texto = Ejecutar("'' 3 '' 4 '' 5").salida;
    EXPECT_NE(texto.find("  Lado 3: 5  (5)\n  Propiedades:\n    Área: 6\n    Perímetro: 12\n"),
              std::string::npos)
        << texto;
    EXPECT_NE(texto.find("    Ortocentro: (3, 0)\n    Clase por ángulos: rectángulo\n"),
              std::string::npos)
        << texto;
}

TEST(PendraCli, AnswersABatchLineByLine) {
    const Ejecucion e = Ejecutar("--json",
                                 "30\t1.5\t\t\t\t2\n"
                                 "\t-4\t\t\t\t\n"
                                 "60\t\t60\t\t60\t\n"
                                 "only\tfive\tfields\there\t!\n"
                                 "30\t0.5\t\t\t\t2\r\n");
    EXPECT_EQ(e.estado, 0);
    const std::vector<std::string> l = Lineas(e.salida);
    ASSERT_EQ(l.size(), 5U) << e.salida;
    // Two solutions, the acute one first.
    EXPECT_EQ(l[0].rfind("{\"mensaje\": null, \"soluciones\": [{\"angulos\": [0.5235987755982989, "
                         "1.888266221764525, 0.7297276562269663]",
                         0),
              0U)
        << l[0];
    EXPECT_NE(l[0].find("\"etiquetas\": {\"angulos\": [\"30º\", \"11.810º\", \"138.18º\"], "
                        "\"lados\": [\"1.5\", \".61401\", \"2\"]}, \"propiedades\": {"),
              std::string::npos)
        << l[0];
    EXPECT_EQ(l[1],
              "{\"mensaje\": {\"titulo\": \"Error en los datos\", \"texto\": \"El lado 1 no puede "
              "ser negativo.\", \"campo\": \"lado1\"}, \"soluciones\": []}");
    EXPECT_EQ(l[2],
              "{\"mensaje\": {\"titulo\": \"Error en los datos\", \"texto\": \"No hay solución si "
              "sólo se conocen los ángulos.\", \"campo\": null}, \"soluciones\": []}");
    EXPECT_NE(l[3].find("\"texto\": \"La línea 4 debe tener seis campos"), std::string::npos)
        << l[3];
    EXPECT_EQ(l[4],
              "{\"mensaje\": {\"titulo\": \"Datos inválidos\", \"texto\": \"No hay solución para "
              "esos datos.\", \"campo\": null}, \"soluciones\": []}");
    // With the working: each solution's after its other keys, and the reason
    // for no triangle after the unchanged message.
    const std::vector<std::string> p = Lineas(
        Ejecutar("--procedimiento --json", "30\t1.5\t\t\t\t2\n\t-4\t\t\t\t\n30\t0.5\t\t\t\t2\r\n")
            .salida);
    ASSERT_EQ(p.size(), 3U);
    // Both triangles, each with its working as the last key.
    std::size_t trabajos = 0;
    for (std::size_t k = p[0].find("]}, \"procedimiento\": {\"caso\": \"LLA\", \"descripcion\": ");
         k != std::string::npos;
         k = p[0].find("]}, \"procedimiento\": {\"caso\": \"LLA\"", k + 1)) {
        ++trabajos;
    }
    EXPECT_EQ(trabajos, 2U) << p[0];
    EXPECT_NE(p[0].find("{\"regla\": \"caso ambiguo\", \"titulo\": \"Caso ambiguo\", "
                        "\"calcula\": \"ángulo 3\", \"formula\": \"A₃ = arcsen(sen A₃)\", "
                        "\"sustitucion\": \"A₃ = arcsen(0.666667)\", \"valor\": "),
              std::string::npos)
        << p[0];
    // Each step's result as the working writes it, so that no face writes it again.
    const std::size_t resto =
        p[0].find("\"sustitucion\": \"A₂ = 180º − 30º − 138.1897º\", \"valor\": ");
    ASSERT_NE(resto, std::string::npos) << p[0];
    EXPECT_EQ(p[0].find("\"resultado\": \"11.8103º\"", resto), p[0].find("\"resultado\"", resto));
    EXPECT_EQ(p[1], l[1]);
    EXPECT_EQ(p[2],
              "{\"mensaje\": {\"titulo\": \"Datos inválidos\", \"texto\": \"No hay solución para "
              "esos datos.\", \"campo\": null, \"motivo\": \"El lado 1, opuesto al ángulo 1, mide "
              "0.5: es más corto que la altura que debe alcanzar, lado 3 × sen(ángulo 1) = 2 × sen "
              "30º = 1, y no llega a cerrar el triángulo.\"}, \"soluciones\": []}");
}

struct CasoEstado {
    const char* argumentos;
    int estado;
};

TEST(PendraCli, ExitsWithTheStatusScriptsExpect) {
    const CasoEstado casos[] = {
        {"'' 3 '' 4 '' 5", 0},
        {"--json 60 '' 60 '' 60 ''", 1},
        {"'' -3 '' 4 '' 5", 1},
        {"1 2 3", 2},
        {"--json 1 2 3 4 5 6 7", 2},
        {"--help", 0},
        {"-x 3 '' 4 '' 5", 2},
        {"--json -30 3 '' 4 '' 5", 1},
        {"−30 3 '' 4 '' 5", 1},
        {"abc 3 '' 4 '' 5", 1},
        {"-abc 3 '' 4 '' 5", 2},
        {"'45°-30' 3 '' 4 '' ''", 1},
        {"--procedimiento '' 3 '' 4 '' 5", 0},
        {"--procedimiento --json '' 1 '' 2 '' 3", 1},
        {"'' 3 '' 4 '' 5 --procedimiento", 2},
        {"--svg 313x175 '' 3 '' 4 '' 5", 0},
        {"--svg=800×446 --solucion 2 30 1.5 '' '' '' 2", 0},
        {"--svg 800x446 --solucion 2 '' 3 '' 4 '' 5", 1},
        {"--svg 800x446 '' 1 '' 2 '' 3", 1},
        {"--json --svg 800x446 '' 1 '' 2 '' 3", 1},
        {"--svg 0x446 '' 3 '' 4 '' 5", 2},
        {"--svg 800 '' 3 '' 4 '' 5", 2},
        {"--svg 800x10001 '' 3 '' 4 '' 5", 2},
        {"--svg", 2},
        {"--svg 800x446", 2},
        {"--svg 800x446 --procedimiento '' 3 '' 4 '' 5", 2},
        {"--solucion 2 30 1.5 '' '' '' 2", 2},
        {"--json --svg 800x446 --solucion 1 '' 3 '' 4 '' 5", 2},
    };
    for (const CasoEstado& caso : casos) {
        EXPECT_EQ(Ejecutar(caso.argumentos).estado, caso.estado) << caso.argumentos;
    }
}

// The picture alone for a script, and within the JSON answer, the same
// document: the window's colours, the labels as text.
TEST(PendraCli, DrawsEachSolutionAsAStandaloneSvg) {
    const Ejecucion sola = Ejecutar("--svg 800x446 '' 3 '' 4 '' 5");
    EXPECT_TRUE(sola.salida.starts_with("<?xml")) << sola.salida;
    EXPECT_NE(sola.salida.find("width=\"800\" height=\"446\""), std::string::npos);
    EXPECT_NE(sola.salida.find("fill=\"#0000ff\">5</text>"), std::string::npos) << sola.salida;
    EXPECT_NE(sola.salida.find(">36.869<tspan>º</tspan></text>"), std::string::npos);
    const Ejecucion json = Ejecutar("--json --svg 800x446 '' 3 '' 4 '' 5");
    std::string escapada;
    AgregarCadenaJson(escapada, sola.salida);
    EXPECT_NE(json.salida.find(", \"svg\": " + escapada + "}]}"), std::string::npos) << json.salida;
    // Two triangles: the first unless told, and a word of the other.
    const Ejecucion primera = Ejecutar("--svg 800x446 30 1.5 '' '' '' 2");
    const Ejecucion segunda = Ejecutar("--svg 800x446 --solucion 2 30 1.5 '' '' '' 2");
    EXPECT_NE(primera.salida.find(">108.18<"), std::string::npos);
    EXPECT_NE(segunda.salida.find(">138.18<"), std::string::npos);
}

TEST(PendraCli, WritesPlainSpanishWithoutJson) {
    const Ejecucion e = Ejecutar("60 '' 60 '' 60 ''");
    EXPECT_EQ(e.salida, "Error en los datos: No hay solución si sólo se conocen los ángulos.\n");
    // The working follows each solution's properties; the reason, the message.
    const std::string trabajo = Ejecutar("--procedimiento '' 3 '' 4 '' 5").salida;
    EXPECT_TRUE(
        trabajo.ends_with("    Clase por lados: escaleno\n"
                          "  Procedimiento (LLL: tres lados):\n"
                          "    1. Teorema del coseno, ángulo 1:\n"
                          "       A₁ = arccos((L₂² + L₃² − L₁²) / (2·L₂·L₃))\n"
                          "       A₁ = arccos((4² + 5² − 3²) / (2·4·5)) = 36.8699º\n"
                          "    2. Teorema del coseno, ángulo 2:\n"
                          "       A₂ = arccos((L₁² + L₃² − L₂²) / (2·L₁·L₃))\n"
                          "       A₂ = arccos((3² + 5² − 4²) / (2·3·5)) = 53.1301º\n"
                          "    3. Suma de los ángulos, ángulo 3:\n"
                          "       A₃ = 180º − A₁ − A₂\n"
                          "       A₃ = 180º − 36.8699º − 53.1301º = 90º\n"))
        << trabajo;
    EXPECT_EQ(Ejecutar("--procedimiento '' 10 '' 3 '' 4").salida,
              "Datos inválidos: No hay solución para esos datos.\n"
              "  Motivo: El lado 1 mide 10, y no es menor que la suma de los otros dos: 3 + 4 = 7. "
              "Cada lado de un triángulo es menor que la suma de los otros dos.\n");
    // Without the option the answer stays as it was.
    EXPECT_EQ(Ejecutar("'' 10 '' 3 '' 4").salida,
              "Datos inválidos: No hay solución para esos datos.\n");
}

struct CasoLectura {
    std::string argumentos;
    const char* entrada;
    const char* esperado;  // part of the output
};

TEST(PendraCli, ReadsFieldsAsPeopleTypeThemAndNamesUnknownOptions) {
    const CasoLectura casos[] = {
        {"--json '' 2,5 '' 2 '' 2", "", "\"lados\": [2.5, 2, 2]"},
        {"--json \"45°30'\" 3 '' 4 '' ''", "", "\"angulos\": [\"45.5º\""},
        {"--json −30 3 '' 4 '' 5", "", "El ángulo 1 no puede ser negativo."},
        {"--json 4.9e-324 3 '' 4 '' 5", "", "El ángulo 1 está fuera de rango."},
        {"abc 3 '' 4 '' 5", "", "Error en los datos: El ángulo 1 no es un número.\n"},
        {"--json '' 3 \"45°-30'\" 4 '' ''", "",
         "\"texto\": \"El ángulo 2 no es un número.\", \"campo\": \"angulo2\""},
        {"--json \"45°30\" 3 '' 4 '' ''", "", "\"angulos\": [\"45.5º\""},
        {"--json '' ,5 '' ,5 '' ,7", "", "\"lados\": [0.5, 0.5, 0.7]"},
        // 2.5, 800 zeros and a 7: the last digit is past what is kept.
        {"--json '' 2.5" + std::string(800, '0') + "7 '' 3 '' 4", "", "\"lados\": [2.5, 3, 4]"},
        {"--json", "\t1.\t\t1\t\t1\n", "\"lados\": [1, 1, 1]"},
        {"--json",
         "\xEF\xBB\xBF"
         "30\t3\t\t4\t\t\n",
         "\"lados\": [3, 4, "},
        // Carriage returns, vertical tabs and form feeds at a line's end are
        // part of the line end; elsewhere they are field text.
        {"--json", "30\t3\t\t4\t\t\r\r\n", "\"lados\": [3, 4, "},
        {"--json", "\t3\t\t4\t\t5\v\f\r\n", "\"lados\": [3, 4, 5]"},
        {"--json", "\t3\t\t4\t30\t\f\r\v", "\"lados\": [3, 4, "},
        {"--json", "\t\r\t\t4\t\t5\n", "El lado 1 no es un número."},
        {"--json", "\t3\t\t4\t\t\v5\n", "El lado 3 no es un número."},
        {"-x 3 '' 4 '' 5", "", "pendra-cli: opción desconocida: «-x».\n"},
        {"--json --json", "", "pendra-cli: la opción «--json» no va en ese lugar.\n"},
        {"--procedimiento --json --procedimiento", "",
         "pendra-cli: la opción «--procedimiento» no va en ese lugar.\n"},
    };
    for (const CasoLectura& caso : casos) {
        const Ejecucion e = Ejecutar(caso.argumentos, caso.entrada);
        EXPECT_NE(e.salida.find(caso.esperado), std::string::npos) << caso.argumentos << "\n"
                                                                   << e.salida;
    }
}

// A bash function that prints the size of the pipe on its standard input
// once everything in it has been read.
const std::string kTamanoTubo =
    "tamano() { perl -e 'local $/; <STDIN>; print fcntl(STDIN, 1032, 0), \"\\n\"'; }\n";

TEST(PendraCli, ReportsAnOutputItCannotWriteAndWaitsForOneThatIsBusy) {
    const std::string cerrada =
        "pendra-cli: no se pudo escribir la salida: quien leía la salida la ha cerrado.\n";
    const std::string llena =
        "pendra-cli: no se pudo escribir la salida: no queda espacio en el disco.\n";
    // Each script writes the program's standard error, then its status.
    const std::pair<std::string, std::string> casos[] = {
        {"$CLI '' 3 '' 4 '' 5 2>&1 >/dev/full; echo \"estado $?\"", llena + "estado 3\n"},
        {"$CLI --version 2>&1 >/dev/full; echo \"estado $?\"", llena + "estado 3\n"},
        {"printf '\\t3\\t\\t4\\t\\t5\\n' | $CLI --json 2>&1 >/dev/full; echo \"estado $?\"",
         llena + "estado 3\n"},
        // An endless input to a reader that is gone: with SIGPIPE ignored the
        // write error ends the run, with SIGPIPE at its default the signal.
        {"exec 3>&1; trap '' PIPE; yes 2>/dev/null | { $CLI 2>&3; echo \"estado $?\" >&3; } | "
         "head -n 1 >/dev/null",
         cerrada + "estado 3\n"},
        {"exec 3>&1; yes 2>/dev/null | { $CLI 2>&3; echo \"estado $?\" >&3; } | head -n 1 "
         ">/dev/null",
         "estado 141\n"},
        // A single request leaves its output pipe as it is; a batch enlarges
        // it to at most 256 KiB and a 256th of the soft limit on the user's
        // pipes, where that leaves room to grow (the size read once the program
        // has ended; 1032: F_GETPIPE_SZ).
        {kTamanoTubo + "antes=$(: | tamano)\n"
                       "[ \"$($CLI --version | tamano)\" = \"$antes\" ] && echo igual\n"
                       "[ \"$($CLI '' 3 '' 4 '' 5 | tamano)\" = \"$antes\" ] && echo igual\n"
                       "lote=$(printf '\\t3\\t\\t4\\t\\t5\\n' | $CLI --json | tamano)\n"
                       "blando=$(cat /proc/sys/fs/pipe-user-pages-soft)\n"
                       "cupo=$(( blando == 0 ? 262144 : blando / 256 * $(getconf PAGESIZE) ))\n"
                       "(( cupo > 262144 )) && cupo=262144\n"
                       "(( cupo > antes ? lote == cupo : lote == antes )) && echo cabe",
         "igual\nigual\ncabe\n"},
        // A pipe set not to block, read late: the answers wait for room.
        {"yes $'\\t3\\t\\t4\\t\\t5' | head -n 2000 >\"$TMP_LOTE\"\n"
         "{ perl -MFcntl -e 'fcntl(STDOUT, F_SETFL, fcntl(STDOUT, F_GETFL, 0) | O_NONBLOCK) or "
         "die'; $CLI --json <\"$TMP_LOTE\" 2>&1; echo \"estado $?\" >\"$TMP_LOTE.estado\"; } |"
         " { sleep 1; wc -l; }; cat \"$TMP_LOTE.estado\"",
         "2000\nestado 0\n"},
        {"{ perl -MFcntl -e 'fcntl(STDIN, F_SETFL, fcntl(STDIN, F_GETFL, 0) | O_NONBLOCK) or "
         "die'; $CLI --json 2>&1 | cut -c 1-16; echo \"estado ${PIPESTATUS[0]}\"; } "
         "< <(sleep 0.5; printf '\\t3\\t\\t4\\t\\t5\\n')",
         "{\"mensaje\": null\nestado 0\n"},
    };
    for (const auto& [guion, esperado] : casos) {
        EXPECT_EQ(Guion(guion), esperado) << guion;
    }
}

TEST(PendraCli, AnswersInteractiveInputAtOnceAndHintsAtATerminal) {
    // The answer to the first line comes while the input is still open.
    EXPECT_EQ(Guion("coproc P { $CLI --json; }\n"
                    "printf '\\t3\\t\\t4\\t\\t5\\n' >&\"${P[1]}\"\n"
                    "read -t 60 -r linea <&\"${P[0]}\" && echo \"${linea:0:16}\""),
              "{\"mensaje\": null\n");
    EXPECT_NE(Guion("script -qec \"$CLI\" /dev/null </dev/null")
                  .find("pendra-cli: lee una solicitud por línea"),
              std::string::npos);
}

// AddressSanitizer reserves more address space than any memory limit allows.
#if defined(__SANITIZE_ADDRESS__)
#define PENDRA_SIN_LIMITE_DE_MEMORIA 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PENDRA_SIN_LIMITE_DE_MEMORIA 1
#endif
#endif

struct CasoMemoria {
    const char* nombre;
    const char* entrada;                // bash that writes the input
    std::vector<std::string> esperado;  // part of each output line
};

TEST(PendraCli, AnswersHugeLinesAndFieldsUnderAMemoryLimit) {
#if defined(PENDRA_SIN_LIMITE_DE_MEMORIA)
    GTEST_SKIP() << "no memory limit under AddressSanitizer";
#else
    const std::string seis = "debe tener seis campos";
    const CasoMemoria casos[] = {
        {"20 MB of tabs, then a line",
         "head -c 20971520 /dev/zero | tr '\\0' '\\t'; printf '\\n\\t3\\t\\t4\\t\\t5\\n'",
         {seis, "\"lados\": [3, 4, 5]"}},
        {"100 MB of digits without a tab, then a line",
         "head -c 104857600 /dev/zero | tr '\\0' '7'; printf '\\n\\t3\\t\\t4\\t\\t5\\n'",
         {seis, "\"lados\": [3, 4, 5]"}},
        {"a side of 50 million digits",
         "printf '\\t2.5'; head -c 50000000 /dev/zero | tr '\\0' '0'; printf "
         "'7\\t\\t3\\t\\t4\\r\\n'",
         {"\"lados\": [2.5, 3, 4]"}},
        {"an angle with 50 million blanks before its minutes",
         "printf '45°'; head -c 50000000 /dev/zero | tr '\\0' ' '; printf '30\\t3\\t\\t4\\t\\t\\n'",
         {"\"angulos\": [0.79412480965742, "}},
        {"a long field that holds no number, as the last one",
         "printf '\\t3\\t\\t4\\t\\t'; head -c 30000000 /dev/zero | tr '\\0' ' '; printf 'x\\r\\n'",
         {"El lado 3 no es un número."}},
        {"a long field of blanks ended by form feeds and carriage returns",
         "printf '\\t3\\t\\t4\\t30\\t'; head -c 30000000 /dev/zero | tr '\\0' ' '; "
         "printf '\\f\\r\\r\\n'",
         {"\"lados\": [3, 4, "}},
        {"a long field whose vertical tabs end no line",
         "printf '\\t'; head -c 30000000 /dev/zero | tr '\\0' ' '; printf "
         "'\\v\\r\\t\\t4\\t\\t5\\n'",
         {"El lado 1 no es un número."}},
        {"a long field of blanks ended by a carriage return",
         "printf '\\t3\\t\\t4\\t30\\t'; head -c 30000000 /dev/zero | tr '\\0' ' '; printf '\\r'",
         {"\"lados\": [3, 4, "}},
    };
    for (const CasoMemoria& caso : casos) {
        const std::vector<std::string> l =
            Lineas(Guion("ulimit -v 100000\n{ " + std::string(caso.entrada) +
                         "; } | $CLI --json 2>&1; echo \"estado $?\""));
        ASSERT_EQ(l.size(), caso.esperado.size() + 1) << caso.nombre;
        for (std::size_t i = 0; i < caso.esperado.size(); ++i) {
            EXPECT_NE(l[i].find(caso.esperado[i]), std::string::npos) << caso.nombre << "\n"
                                                                      << l[i];
        }
        EXPECT_EQ(l.back(), "estado 0") << caso.nombre;
    }
#endif
}

}  // namespace
}  // namespace pendra::cli
