#include <benchmark/benchmark.h>

#include <QString>

#include "console/ConsoleInterpreter.h"
#include "console/Evaluator.h"
#include "console/ExpressionParser.h"
#include "console/Tokenizer.h"

namespace {

// 100 binary operators over small numbers, with brackets and signs mixed in:
// "(1 + 2) * -3 - 4 / 5 + ...".
QString HundredOperatorExpression() {
    const char ops[] = {'+', '*', '-', '/'};
    QString text = QStringLiteral("1");
    for (int i = 0; i < 100; ++i) {
        const int n = 1 + (i * 7) % 9;
        QString operand = QString::number(n);
        if (i % 5 == 1) operand = QLatin1Char('-') + operand;
        if (i % 10 == 3) operand = QStringLiteral("(%1 + %2)").arg(n).arg(n + 1);
        text += QStringLiteral(" %1 %2").arg(QLatin1Char(ops[i % 4])).arg(operand);
    }
    return text;
}

void ParseAndEvaluate100Operators(benchmark::State& state) {
    const QString text = HundredOperatorExpression();
    for (auto _ : state) {
        script::Tokenizer tokenizer(text);
        const auto root = script::ParseExpression(tokenizer);
        benchmark::DoNotOptimize(script::Evaluate(*root));
    }
}
BENCHMARK(ParseAndEvaluate100Operators);

// The same through the command interpreter, as a typed "print" line.
void PrintCommand100Operators(benchmark::State& state) {
    const QString line = QStringLiteral("print ") + HundredOperatorExpression();
    for (auto _ : state) benchmark::DoNotOptimize(ConsoleInterpreter::EvaluateAt(line, 7));
}
BENCHMARK(PrintCommand100Operators);

}  // namespace

BENCHMARK_MAIN();
