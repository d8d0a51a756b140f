// One benchmark: a Gamma analysis (the Calc action) in WebAssembly under
// Node, against the same analysis in the native kelvane-cli. Times are
// processor times (the machine is shared, and wall-clock times wander with
// its load), the best of a few runs; the native time is the difference
// between runs of N analyses and of one, so that the start-up drops out.
//   node bench.mjs SITE_DIR KELVANE_CLI [N]
import { spawnSync } from 'node:child_process';
import { loadEngines } from './engines.mjs';

const [siteDir, cli, countText = '1000'] = process.argv.slice(2);
const n = Number(countText);
const kRuns = 5;

const M = await loadEngines(siteDir);
const engine = M.makeEngine('gamma');
engine.defaults();
engine.run('calc', 20); // warm-up: the first calls compile
let web = Infinity;
for (let r = 0; r < kRuns; ++r) {
    const start = process.cpuUsage();
    const error = engine.run('calc', n);
    const used = process.cpuUsage(start);
    web = Math.min(web, (used.user + used.system) / 1e3 / n);
    if (error) throw new Error(error);
}

// bash's `times` gives the processor time of the programs it ran.
const timed = (count) => {
    let best = Infinity;
    for (let r = 0; r < kRuns; ++r) {
        const run = spawnSync('bash', ['-c', '"$0" gamma --calc "$1" >/dev/null && times', cli,
                                       String(count)], { encoding: 'utf8' });
        if (run.status !== 0) throw new Error(run.stderr);
        const seconds = [...run.stdout.trim().split('\n')[1].matchAll(/(\d+)m([\d.]+)s/g)]
            .reduce((sum, [, m, s]) => sum + 60 * Number(m) + Number(s), 0);
        best = Math.min(best, seconds * 1000);
    }
    return best;
};
const native = (timed(n + 1) - timed(1)) / n;
console.log(`Gamma analysis: WebAssembly ${web.toFixed(3)} ms, native ${native.toFixed(3)} ms, ` +
            `ratio ${(web / native).toFixed(2)} (aim: at most 2)`);
