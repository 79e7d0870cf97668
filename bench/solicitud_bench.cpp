// How long one press of "Resolver" takes without windows: reading the six
// texts, validating, solving and handing over the solutions.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "globales.h"
#include "solicitud.h"

namespace {

class Silencio final : public pendra::Operaciones {
public:
    explicit Silencio(std::array<std::string, 6> textos) : textos_(std::move(textos)) {}
    std::string TextoCampo(pendra::Campo c) override {
        return textos_[2U * (c.indice - 1U) + (c.tipo == pendra::TipoCampo::Lado ? 1U : 0U)];
    }
    void MostrarMensaje(const std::string&, const std::string&) override { ++mensajes; }
    void Enfocar(pendra::Campo) override {}
    void AbrirResultado(const pendra::Medidas& m) override {
        ++ventanas;
        benchmark::DoNotOptimize(m.Lado(1));
    }
    int mensajes = 0;
    int ventanas = 0;

private:
    std::array<std::string, 6> textos_;
};

void Solicitud(benchmark::State& estado, std::array<std::string, 6> textos, int ventanas) {
    Silencio operaciones(std::move(textos));
    pendra::Medidas medidas;
    for (auto _ : estado) {
        pendra::cmdResolver_Click(operaciones, medidas);
    }
    if (operaciones.ventanas != ventanas * static_cast<int>(estado.iterations())) {
        estado.SkipWithError("unexpected number of result windows");
    }
}

BENCHMARK_CAPTURE(Solicitud, TresLados, {"", "3", "", "4", "", "5"}, 1);
BENCHMARK_CAPTURE(Solicitud, DosLadosYElAnguloEntreEllos, {"60", "", "", "4.25", "", "5.5"}, 1);
BENCHMARK_CAPTURE(Solicitud, DosAngulosYElLadoEntreEllos, {"30", "", "60", "", "", "12.5"}, 1);
BENCHMARK_CAPTURE(Solicitud, DosAngulosYUnLadoOpuesto, {"30", "7.75", "60", "", "", ""}, 1);
BENCHMARK_CAPTURE(Solicitud, DosLadosYUnAnguloOpuesto_Uno, {"30", "2", "", "", "", "1.5"}, 1);
BENCHMARK_CAPTURE(Solicitud, DosLadosYUnAnguloOpuesto_Dos, {"30", "1.5", "", "", "", "2"}, 2);
BENCHMARK_CAPTURE(Solicitud, SinSolucion, {"30", "0.5", "", "", "", "2"}, 0);

}  // namespace

BENCHMARK_MAIN();
