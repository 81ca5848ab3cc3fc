#include "calc/balance.h"

#include <cmath>

namespace calc {

bool PressuresBalance(double p4, double p5, double p1) {
  const double difference = p4 - p5;
  return difference == 0.0 || std::fabs(difference) < 0.0001 * std::fabs(p1);
}

}  // namespace calc
