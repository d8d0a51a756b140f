// One benchmark: a Gamma analysis (the Calc action) in WebAssembly under
// Node, against the same analysis in the native kelvane-cli. The native time
// is the difference between runs of N analyses and of one, so that the
// program's start-up drops out; each time is the best of a few runs.
//   node bench.mjs SITE_DIR KELVANE_CLI [N]
import { spawnSync } from 'node:child_process';
import { loadEngines } from './engines.mjs';

const [siteDir, cli, countText = '400'] = process.argv.slice(2);
const n = Number(countText);
const kRuns = 5;

const M = await loadEngines(siteDir);
const engine = M.makeEngine('gamma');
engine.defaults();
engine.run('calc', 20); // warm-up: the first calls compile
let web = Infinity;
for (let r = 0; r < kRuns; ++r) {
    const start = process.hrtime.bigint();
    const error = engine.run('calc', n);
    web = Math.min(web, Number(process.hrtime.bigint() - start) / 1e6 / n);
    if (error) throw new Error(error);
}

const timed = (count) => {
    let best = Infinity;
    for (let r = 0; r < kRuns; ++r) {
        const start = process.hrtime.bigint();
        const run = spawnSync(cli, ['gamma', '--calc', String(count)]);
        best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e6);
        if (run.status !== 0) throw new Error(run.stderr.toString());
    }
    return best;
};
const native = (timed(n + 1) - timed(1)) / n;
console.log(`Gamma analysis: WebAssembly ${web.toFixed(3)} ms, native ${native.toFixed(3)} ms, ` +
            `ratio ${(web / native).toFixed(2)} (aim: at most 2)`);
