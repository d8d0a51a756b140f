// Loads the WebAssembly engines into Node. The loader is built for the page as
// an ES module; under Node it still looks for CommonJS's require and
// __dirname, and would fetch the .wasm, so both are given to it here.
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

export async function loadEngines(siteDir) {
    const dir = resolve(siteDir);
    globalThis.require ??= createRequire(import.meta.url);
    globalThis.__dirname ??= dir;
    const { default: KelvaneEngines } = await import(
        pathToFileURL(join(dir, 'kelvane_engines.mjs')).href);
    return KelvaneEngines({ wasmBinary: readFileSync(join(dir, 'kelvane_engines.wasm')) });
}
