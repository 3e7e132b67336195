// Where the batch worker keeps the decoded output, which may be several
// times the input's size: a file in the origin's private file system,
// written synchronously from the worker (on disk, at the speed of a file);
// or, where a browser has no such file (or refuses one), a Blob the browser
// builds from a stream. Either ends as a Blob for the download link.

const FOLDER = 'batch-output';
const WRITE_BYTES = 4 << 20;

// A file of this run's own. The output of earlier runs, this tab's or
// another's, is removed as it starts; a file another tab is still writing
// refuses and stays.
class FileOutput {
  static async open(type) {
    const root = await navigator.storage.getDirectory();
    const folder = await root.getDirectoryHandle(FOLDER, { create: true });
    // The browser removes them while this run decodes.
    for await (const name of folder.keys()) folder.removeEntry(name).catch(() => {});
    const name = `${Date.now()}-${Math.random().toString(36).slice(2)}`;
    const handle = await folder.getFileHandle(name, { create: true });
    return new FileOutput(folder, handle, await handle.createSyncAccessHandle(), type);
  }

  constructor(folder, handle, access, type) {
    this.folder = folder;
    this.handle = handle;
    this.access = access;
    this.type = type;
    this.size = 0;
    this.pending = new Uint8Array(WRITE_BYTES);
    this.used = 0;
  }

  // Copies the bytes at once, so a view of wasm memory will do. The file
  // is written a few megabytes at a time: each write that makes it longer
  // asks the browser for room.
  write(bytes) {
    if (this.used + bytes.length > this.pending.length) this.flush();
    if (bytes.length >= this.pending.length) {
      this.size += this.access.write(bytes, { at: this.size });
      return;
    }
    this.pending.set(bytes, this.used);
    this.used += bytes.length;
  }

  flush() {
    this.size += this.access.write(this.pending.subarray(0, this.used), { at: this.size });
    this.used = 0;
  }

  async close() {
    this.flush();
    this.access.close();
    return new Blob([await this.handle.getFile()], { type: this.type });
  }

  async abandon() {
    this.access.close();
    await this.folder.removeEntry(this.handle.name).catch(() => {});
  }
}

// The stream's reader is the browser, which keeps a large Blob on disk;
// each write waits until it has taken the piece before.
class StreamedOutput {
  constructor(type) {
    const { readable, writable } = new TransformStream();
    this.writer = writable.getWriter();
    this.blob = new Response(readable, { headers: { 'Content-Type': type } }).blob();
  }

  write(bytes) {
    return this.writer.write(bytes.slice());
  }

  async close() {
    await this.writer.close();
    return this.blob;
  }

  async abandon() {
    await this.writer.abort().catch(() => {});
  }
}

export async function openOutput(type) {
  if (self.FileSystemFileHandle?.prototype.createSyncAccessHandle) {
    try {
      return await FileOutput.open(type);
    } catch {
      // Storage refused (a private window, no room): streamed instead.
    }
  }
  return new StreamedOutput(type);
}
