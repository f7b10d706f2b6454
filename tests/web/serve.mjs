// The static server of the browser tests and the bench: the folder of a page on this machine.
import fs from "node:fs";
import http from "node:http";
import path from "node:path";

// A static server that sends a file's brotli form where the folder has one and the browser takes
// it, as the README asks of a school's server.
export function serve(root) {
  const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
                  ".webmanifest": "application/manifest+json", ".png": "image/png" };
  return new Promise(resolve => {
    const s = http.createServer((request, response) => {
      const file = path.join(root, decodeURIComponent(new URL(request.url, "http://x").pathname));
      if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
        const index = path.join(file, "index.html");
        if (!fs.existsSync(index)) { response.writeHead(404).end(); return; }
        return send(index);
      }
      send(file);
      function send(f) {
        const brotli = /\bbr\b/.test(request.headers["accept-encoding"] || "") && fs.existsSync(f + ".br");
        const body = fs.readFileSync(brotli ? f + ".br" : f);
        response.writeHead(200, { "Content-Type": types[path.extname(f)] || "application/octet-stream",
                                  "Content-Length": body.length, ...(brotli ? { "Content-Encoding": "br" } : {}) });
        response.end(body);
      }
    });
    s.listen(0, "127.0.0.1", () => resolve(s));
  });
}
