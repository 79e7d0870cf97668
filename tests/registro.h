#pragma once

#include "grabadora.h"

namespace pendra::prueba {

// The tests' name for the recording stand-in of the input window.
using Registro = Grabadora;
using pendra::Solicitar;

}  // namespace pendra::prueba
